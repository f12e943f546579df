// How long a person waits for the computer: from the person's entry to the
// moment the person may roll again, one Hard computer against one person,
// through the real table and its own timers (offscreen). Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_computer_turn [turns]
// prints computer_turn_ms_fast= and computer_turn_ms_normal= (medians).

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "Program.h"
#include "frmHighScores.h"
#include "frmMain.h"

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The event loop runs until ready() holds; false after a minute without.
template <class F>
bool runUntil(F ready) {
    QElapsedTimer clock;
    clock.start();
    while (!ready()) {
        if (clock.elapsed() > 60000) return false;
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

std::vector<double> measure(rp::Pace pace, int turns) {
    QTemporaryDir settings;  // never the player's own
    rp::ProgramParts parts;
    parts.settingsPath = settings.filePath("RealPentaro.ini");
    parts.gamePath = settings.filePath("game.ini");
    parts.opponentSeed = 7;
    rp::Program program(std::move(parts));
    program.sound.start();
    program.windows.load<rp::frmHighScores>();
    program.logic.LoadSettings();
    rp::GameState& s = program.state;
    auto* table = program.windows.load<rp::frmMain>();
    program.windows.show<rp::frmMain>();
    program.seats.kind(1) = rp::SeatKind::Person;
    program.seats.kind(2) = rp::SeatKind::Hard;
    program.seats.pace = pace;

    std::vector<double> ms;
    while (int(ms.size()) < turns) {
        s.NumPlayers = 2;
        s.GameType = 1;  // three columns: 39 turns a game
        s.PlayerName(1) = "Bench";
        s.PlayerName(2) = "Eva";
        for (int p = 1; p <= rp::MaxPlayers; ++p)
            for (int c = 1; c <= rp::Columns; ++c) s.ColumnDone(p, c) = p > 2;
        s.CurrentPlayer = 1;
        s.GameInProgress = true;
        program.logic.StartNewGame();
        auto personMayRoll = [&] {
            return s.Winner != 0 || (s.CurrentPlayer == 1 && !s.TurnPassing && s.RollCount == 0 &&
                                     !table->tmrNext->isActive());
        };
        while (s.Winner == 0 && int(ms.size()) < turns) {
            if (!runUntil(personMayRoll)) return ms;
            if (s.Winner != 0) break;
            // The person: one roll, then the first open box that takes it.
            table->cmdGhostEnter_Click();
            if (!runUntil([&] { return !table->tmrRollPause->isActive() && !program.logic.DiceTumbling(); }))
                return ms;
            QElapsedTimer clock;
            bool taken = false;
            // A five of a kind belongs in a five-of-a-kind box first.
            for (int c = 1; c <= rp::Columns && s.PentaroShowing && !taken; ++c)
                for (int b = 1; b <= rp::BonusBoxes && !taken; ++b)
                    if (!s.BonusUsed(1, b, c)) {
                        clock.start();
                        table->lblGameY_Click(c, b);
                        taken = s.TurnPassing || s.BonusUsed(1, b, c);
                    }
            for (int c = 1; c <= rp::Columns && !taken; ++c)
                for (int r : {1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 16})
                    if (!s.Used(1, r, c)) {
                        clock.start();
                        table->lblGame_Click(c, r);
                        if (s.TurnPassing || s.Used(1, r, c)) {
                            taken = true;
                            break;
                        }
                    }
            if (!taken)
                for (int c = 1; c <= rp::Columns && !taken; ++c)
                    if (!s.BonusUsed(1, 1, c)) {
                        clock.start();
                        table->lblGameY_Click(c, 1);
                        taken = true;
                    }
            if (!runUntil(personMayRoll)) return ms;
            if (s.Winner == 0) ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        if (s.Winner != 0) s.GameInProgress = false;
    }
    return ms;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int turns = argc > 1 ? std::max(3, std::atoi(argv[1])) : 20;
    const auto fast = measure(rp::Pace::Fast, turns);
    const auto normal = measure(rp::Pace::Normal, turns);
    if (int(fast.size()) < turns || int(normal.size()) < turns) {
        std::fprintf(stderr, "the computer did not hand back the turn\n");
        return 1;
    }
    std::printf("computer_turn_ms_fast=%.0f computer_turn_ms_normal=%.0f (medians of %d turns; fast max %.0f, normal max %.0f)\n",
                median(fast), median(normal), turns, *std::max_element(fast.begin(), fast.end()),
                *std::max_element(normal.begin(), normal.end()));
    return 0;
}
