// How long an open table with a game in progress takes to speak another
// language: the player's choice to every window redrawn in the new words
// and pictures, offscreen. Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_language_switch [switches]
// prints language_switch_ms= (median).

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "Program.h"
#include "frmHighScores.h"
#include "frmMain.h"
#include "frmNewGame.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int switches = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QTemporaryDir settings;  // never the player's own
    rp::ProgramParts parts;
    parts.settingsPath = settings.filePath("RealPentaro.ini");
    parts.gamePath = settings.filePath("game.ini");
    parts.dice = [] { return 6; };
    rp::Program program(std::move(parts));
    program.sound.start();
    program.windows.load<rp::frmHighScores>();
    program.logic.LoadSettings();
    program.pictures.loadAll();
    auto* table = program.windows.load<rp::frmMain>();
    program.windows.show<rp::frmMain>();
    rp::GameState& s = program.state;
    s.NumPlayers = 2;
    for (int p = 1; p <= rp::MaxPlayers; ++p)
        for (int c = 1; c <= rp::Columns; ++c) s.ColumnDone(p, c) = p > 2;
    s.CurrentPlayer = 1;
    s.GameInProgress = true;
    program.logic.StartNewGame();
    table->imgRollButton_MouseDown();
    table->imgRollButton_MouseUp();
    program.windows.show<rp::frmNewGame>();
    app.processEvents();

    std::vector<double> ms;
    for (int i = 0; i < switches; ++i) {
        QElapsedTimer clock;
        clock.start();
        program.chooseLanguage(i % 2 == 0 ? QStringLiteral("de") : QStringLiteral("en"));
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) w->repaint();
        ms.push_back(clock.nsecsElapsed() / 1e6);
        app.processEvents();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("language_switch_ms=%.1f\n", ms[ms.size() / 2]);
    return 0;
}
