// Real Pentaro. Until the table window exists this opens a placeholder that
// loads the settings, so a start already proves the store works.

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <cstdio>

#include "GameState.h"
#include "IniSettingsStore.h"
#include "Logic.h"
#include "NullTable.h"
#include "RandomDice.h"
#include "SoundPlayer.h"
#include "WindowedServices.h"
#include "Windows.h"

namespace {

struct NoBoard : rp::HighScoreBoard {
    void showEntry(char, int, std::string_view, std::string_view, bool) override {}
};

// Every picture must be there and decode before any window shows: a window
// drawn with holes in it is worse than a clear word about what is missing.
bool picturesReady(rp::Pictures& pictures) {
    const QStringList bad = pictures.loadAll();
    const QString& folder = pictures.folder();
    if (bad.isEmpty()) return true;
    for (const QString& line : bad) std::fprintf(stderr, "Real Pentaro: %s\n", qPrintable(line));
    std::fprintf(stderr, "Real Pentaro: pictures are looked for in %s\n", qPrintable(folder));
    // Nobody could dismiss a window on the offscreen platform.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QMessageBox::critical(nullptr, QStringLiteral("Real Pentaro"),
                              QStringLiteral("Real Pentaro cannot start: pictures are missing or "
                                             "broken.\n\n%1\n\nLooked in: %2")
                                  .arg(bad.join(u'\n'), folder));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString root = rp::programFolder();
    // The check decodes every picture once, into the cache the windows use.
    rp::Pictures pictures(rp::imagesFolder(root));
    if (!picturesReady(pictures)) return 1;

    rp::GameState state;
    rp::NullTable table;
    NoBoard board;
    rp::SoundPlayer sound(state.SoundOn, rp::soundsFolder(root));
    rp::Windows windows({state, pictures, sound});
    rp::WindowedServices services(windows, sound);
    rp::IniSettingsStore store;
    rp::mdlLogic logic(state, table, services, board, store, rp::randomDice());
    logic.LoadSettings();

    QLabel label(QString("Real Pentaro\n\nThe table is still being built.\nSettings: %1")
                     .arg(store.path()));
    label.setAlignment(Qt::AlignCenter);
    label.setWindowTitle("Real Pentaro");
    label.resize(531, 503);
    label.show();
    // The placeholder is no window of the registry: closing it must end the run.
    QApplication::setQuitOnLastWindowClosed(true);
    return QApplication::exec();
}
