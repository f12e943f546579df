// How long one picture change from the cache and one play call take.
// Not a test: run it by hand, e.g. QT_QPA_PLATFORM=offscreen ./bench_media
// Uses the pictures and sounds beside the program when they are there.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <string_view>

#include "Assets.h"
#include "SoundPlayer.h"
#include "Texts.h"

namespace {

template <class F>
double nanosecondsPerCall(int calls, F&& f) {
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) f(i);
    const auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::nano>(t1 - t0).count() / calls;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString root = rp::programFolder();
    if (!QFileInfo(rp::imagesFolder(root) + "/die1.gif").isFile()) {
        std::fprintf(stderr, "no pictures beside %s: build the assets first\n", qPrintable(root));
        return 1;
    }

    // A die of the animation: one face after the other, as every 50 ms tick does.
    rp::Pictures pictures(rp::imagesFolder(root));
    QLabel die;
    for (int face = 1; face <= 6; ++face) pictures.get(rp::file::DieFace[face]);  // the first reads
    const int changes = 200000;
    const double picture = nanosecondsPerCall(changes, [&](int i) {
        die.setPixmap(pictures.get(rp::file::DieFace[1 + i % 6]));
    });

    bool soundOn = true;
    rp::SoundPlayer player(soundOn, rp::soundsFolder(root));
    for (int i = 0; i < 50; ++i) app.processEvents();  // let the preloading settle
    const int plays = 2000;
    const double play = nanosecondsPerCall(plays, [&](int i) {
        player.play(i % 2 ? rp::file::PopSound : rp::file::ButtonSound);
    });
    soundOn = false;
    const double muted = nanosecondsPerCall(changes, [&](int) { player.play(rp::file::PopSound); });

    std::printf("picture change from the cache: %8.0f ns\n", picture);
    std::printf("play (sound on):               %8.0f ns\n", play);
    std::printf("play (sound off):              %8.0f ns\n", muted);
    return 0;
}
