// Real Pentaro. For now the table opens at once on a one-player,
// one-column game for "Player 1", so the table can be played.

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "GameState.h"
#include "IniSettingsStore.h"
#include "Logic.h"
#include "RandomDice.h"
#include "Signals.h"
#include "SoundPlayer.h"
#include "TableForwarder.h"
#include "TableLabel.h"
#include "WindowedServices.h"
#include "Windows.h"
#include "frmMain.h"

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
    rp::installAccessibleControls();

    rp::GameState state;
    NoBoard board;
    rp::SoundPlayer sound(state.SoundOn, rp::soundsFolder(root));
    rp::Windows windows({state, pictures, sound});
    rp::WindowedServices services(windows, sound);
    rp::TableForwarder table(windows);
    rp::IniSettingsStore store;
    rp::mdlLogic logic(state, table, services, board, store, rp::randomDice());
    windows.define(rp::frmMain::Name, [&logic](rp::Windows& ws) { return new rp::frmMain(ws, logic); });
    services.onNotice = [&windows](std::string_view text) {
        if (auto* main = windows.find<rp::frmMain>())
            main->announce(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                                .replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    };
    logic.LoadSettings();
    // Killed politely: keep the sound switch and the tables, then go.
    rp::onTerminationSignal([&logic] {
        logic.SaveSettings();
        QCoreApplication::exit(0);
    });

    windows.load<rp::frmMain>();
    state.NumPlayers = 1;
    state.GameType = 2;
    state.PlayerName(1) = "Player 1";
    for (int p = 2; p <= rp::MaxPlayers; ++p)
        for (int c = 1; c <= rp::Columns; ++c) state.ColumnDone(p, c) = true;
    state.CurrentPlayer = 1;
    logic.StartNewGame();
    state.GameInProgress = true;
    windows.show<rp::frmMain>();
    return QApplication::exec();
}
