// assetgen OUTDIR
// Draws every picture into OUTDIR/images, synthesises every sound into
// OUTDIR/sounds and writes OUTDIR/readme.txt. The same input always gives
// the same bytes, so a rebuild never changes the game's files.

#include "AssetNames.h"
#include "GifWriter.h"
#include "HelpText.h"
#include "Paint.h"
#include "Pictures.h"
#include "Sounds.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <set>
#include <stdexcept>
#include <string>

namespace {

void writePictures(const QString& dir)
{
    ag::PictureSet set;
    ag::addTablePictures(set);
    ag::addWindowPictures(set);

    std::set<std::string> wanted;
    for (std::string_view name : rp::assets::Pictures) {
        const std::string file(name);
        wanted.insert(file);
        auto it = set.find(file);
        if (it == set.end()) throw std::runtime_error("no drawing for picture " + file);
        const QString path = dir + "/" + QString::fromStdString(file);
        if (file.ends_with(".gif"))
            ag::writeGif(it->second.image, path, it->second.gif);
        else
            ag::saveJpeg(it->second.image, path);
    }
    for (const auto& [file, picture] : set)
        if (!wanted.count(file)) throw std::runtime_error("picture not in the game's list: " + file);

    if (!ag::appIcon().save(dir + "/icon.png", "PNG"))
        throw std::runtime_error("cannot write icon.png");
}

void writeHelp(const QString& path)
{
    QFile f(path);
    const QByteArray text = ag::helpText().toUtf8();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text) != text.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);  // fonts and painting need the GUI module
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen OUTDIR\n");
        return 2;
    }
    try {
        QElapsedTimer clock;
        clock.start();
        const QString out = QString::fromLocal8Bit(argv[1]);
        for (const char* sub : {"images", "sounds"})
            if (!QDir().mkpath(out + "/" + sub))
                throw std::runtime_error("cannot create " + (out + "/" + sub).toStdString());
        ag::loadFonts();
        writePictures(out + "/images");
        ag::writeSounds(out + "/sounds");
        writeHelp(out + "/" + QString::fromUtf8(rp::assets::HelpFile.data()));
        std::printf("assetgen: %zu pictures, %zu sounds and the help written to %s in %lld ms\n",
                    rp::assets::Pictures.size(), rp::assets::Sounds.size(), argv[1],
                    static_cast<long long>(clock.elapsed()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
