// Puts the table in the middle of a three-column game, as a player would
// leave it, and keeps it on screen for a while: for screenshots of the
// real window (tools/tableshot.sh). Scripted dice, no sound, a settings file
// of its own.
//   tableshot [milliseconds on screen] [hint | computer | resume | zoomN] [review]

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>

#include "Program.h"
#include "frmHighScores.h"
#include "TableHint.h"
#include "frmMain.h"
#include "frmReview.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir settings;
    std::deque<int> dice;
    rp::ProgramParts parts;
    parts.settingsPath = settings.filePath("RealPentaro.ini");
    parts.dice = [&dice] {
        const int v = dice.empty() ? 6 : dice.front();
        if (!dice.empty()) dice.pop_front();
        return v;
    };
    rp::Program program(std::move(parts));
    // "zoom150" as the second argument: the table at that zoom.
    const QByteArray how = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    if (how.startsWith("zoom")) program.windows.setZoom(how.mid(4).toInt());
    program.pictures.loadAll();
    program.windows.load<rp::frmHighScores>();
    program.logic.LoadSettings();
    rp::GameState& state = program.state;
    rp::mdlLogic& logic = program.logic;
    rp::Windows& windows = program.windows;
    state.SoundOn = false;
    auto* main = windows.load<rp::frmMain>();

    state.NumPlayers = 1;
    state.GameType = 1;
    state.PlayerName(1) = "Ada";
    for (int p = 2; p <= rp::MaxPlayers; ++p)
        for (int c = 1; c <= rp::Columns; ++c) state.ColumnDone(p, c) = true;
    // "computer" as the second argument: Eva, Hard, plays on by herself.
    const bool computer = how == "computer";
    if (computer) {
        state.NumPlayers = 2;
        state.PlayerName(2) = "Eva";
        program.seats.kind(2) = rp::SeatKind::Hard;
        for (int c = 1; c <= rp::Columns; ++c) state.ColumnDone(2, c) = false;
    }
    state.CurrentPlayer = 1;
    logic.StartNewGame();
    state.GameInProgress = true;

    auto roll = [&](std::deque<int> faces) {
        dice = std::move(faces);
        logic.RollButtonMouseUp();
        while (logic.DiceTumbling())
            for (int d = 1; d <= rp::DiceCount; ++d)
                if (state.DieAnimator(d) != 0) main->tmrDieAnimator_Timer(d, state.DieAnimator(d));
        logic.RollPauseTimer();
    };
    struct Turn { std::deque<int> faces; int column, row; };  // row 0: bonus box 1
    const Turn turns[] = {
        {{3, 3, 3, 2, 5}, 1, 3},  {{5, 5, 5, 5, 1}, 1, 5},  {{6, 6, 6, 2, 2}, 1, 6},
        {{1, 1, 4, 4, 4}, 1, 4},  {{2, 2, 2, 6, 3}, 1, 2},  {{1, 1, 1, 5, 6}, 1, 1},
        {{4, 4, 4, 4, 4}, 2, 0},  {{1, 2, 3, 4, 5}, 2, 14}, {{6, 6, 6, 6, 3}, 2, 11},
        {{2, 3, 4, 5, 5}, 3, 13}, {{3, 3, 5, 5, 5}, 3, 12}, {{6, 6, 5, 4, 2}, 1, 16},
        {{4, 4, 4, 2, 6}, 2, 4},  {{5, 5, 3, 3, 3}, 1, 12}, {{2, 2, 2, 2, 2}, 2, 0},
    };
    if (how == "review" || (argc > 3 && QByteArray(argv[3]) == "review")) {
        // A one-column game played out through the table, then its review.
        state.GameType = 2;
        logic.StartNewGame();
        state.GameInProgress = true;
        windows.show<rp::frmMain>();
        const int rows[] = {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16};
        for (int i = 0; i < 13; ++i) {
            dice = {1 + i % 6, 2, 3, 4, 5, 6, 6, 6, 6, 6};
            main->imgRollButton_MouseUp();
            while (logic.DiceTumbling())
                for (int d = 1; d <= rp::DiceCount; ++d)
                    if (state.DieAnimator(d) != 0) main->tmrDieAnimator_Timer(d, state.DieAnimator(d));
            logic.RollPauseTimer();
            main->lblGame_Click(1, rows[i]);
        }
        // The results (the game's totals) under the review.
        if (main->tmrEndGame->isActive()) main->tmrEndGame_Timer();
        QTimer::singleShot(argc > 1 ? std::atoi(argv[1]) : 4000, &app, &QCoreApplication::quit);
        QTimer::singleShot(500, [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (!w->isVisible() || w->objectName() != QLatin1String("frmReview")) continue;
                const QRect g = w->frameGeometry();
                std::printf("%dx%d+%d+%d\n", g.width(), g.height(), g.x(), g.y());
                std::fflush(stdout);
            }
        });
        rp::openReview(windows, 1);
        return QApplication::exec();
    }
    if (computer) {
        // Ada's turn ends; Eva's begins with the next player's sign.
        roll({2, 5, 5, 5, 6});
        main->lblGame_Click(1, 10);
        dice = {5, 2, 5, 1, 5, 3, 4};
        for (int i = 0; i < 40; ++i) dice.push_back(i * 7 % 6 + 1);
        windows.show<rp::frmMain>();
        QTimer::singleShot(argc > 1 ? std::atoi(argv[1]) : 4000, &app, &QCoreApplication::quit);
        return QApplication::exec();
    }
    for (const Turn& t : turns) {
        roll(t.faces);
        if (t.row == 0) {
            logic.BonusBoxClick(t.column, state.BonusUsed(1, 1, t.column) ? 2 : 1);
        } else {
            logic.ScoreBoxClick(t.column, t.row);
        }
    }
    // The turn under way: two rolls, three fives kept.
    roll({5, 2, 5, 1, 5});
    for (int d : {1, 3, 5}) logic.RollingDiceClick(d);
    roll({6, 3});
    if (how == "resume") {
        // The question of the next start, over this game left unfinished.
        program.gameFile.save({rp::GameSnapshot::take(state, program.seats), std::nullopt});
        state.GameInProgress = false;
    }
    windows.show<rp::frmMain>();
    // "hint" as the second argument: the table as the hint button leaves it.
    if (argc > 2 && QByteArray(argv[2]) == "hint") main->findChild<rp::TableHint*>()->show();
    QTimer::singleShot(argc > 1 ? std::atoi(argv[1]) : 4000, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
