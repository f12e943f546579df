// One save and one load of a four-player three-column game in progress
// (about half of it played at random through the rules, dice kept, an undo
// point, its record of moves), and the start of the program to the table
// with that game resumed, the question answered at once (resume_ms, the
// splash's fixed three seconds left out). Not a test.
//   build/bench_game_file [repeats]
//   build/bench_game_file --write PATH   only writes that game to PATH (bench/measure.sh
//                                       resumes it to measure a game in progress)

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "GameFile.h"
#include "MoveReplay.h"
#include "NullTable.h"
#include "Program.h"
#include "frmHighScores.h"
#include "frmMain.h"
#include "frmResumeGame.h"

namespace {

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Half a four-player three-column game, played as the table plays it.
rp::SavedGame halfAGame() {
    rp::GameState s;
    rp::NullGame unseen;
    std::mt19937 rng(11);
    rp::mdlLogic rules(s, unseen, unseen, unseen, unseen, [&] { return int(rng() % 6) + 1; });
    rp::advisor::MoveLog log;
    s.NumPlayers = 4;
    s.GameType = 1;
    for (int p = 1; p <= 4; ++p) s.PlayerName(p) = "Player " + std::to_string(p);
    s.CurrentPlayer = 1;
    s.GameInProgress = true;
    rules.StartNewGame();
    rp::Seats seats;
    std::optional<rp::GameSnapshot> undo;
    for (int turn = 0; turn < 4 * 19; ++turn) {
        undo.reset();
        for (int r = 0; r < 3; ++r) {
            for (int d = 1; d <= rp::DiceCount && r > 0; ++d) s.DieKept(d) = rng() % 2;
            log.aboutToRoll(s);
            rules.RollButtonMouseUp();
            for (bool t = true; t;) {
                t = false;
                for (int d = 1; d <= rp::DiceCount; ++d)
                    if (s.DieAnimator(d)) rules.DieAnimatorTimer(d, s.DieAnimator(d)), t = true;
            }
            log.passed(s);
        }
        if (turn == 4 * 19 - 1) break;  // left after the last roll, dice kept
        undo = rp::GameSnapshot::take(s, seats);
        for (bool taken = false; !taken;) {
            const int column = 1 + int(rng() % 3), row = 1 + int(rng() % 16);
            // Row 15 stands for the 50-point box.
            log.aboutToEnter(s, column, row == 15 ? 1 : row, row == 15);
            taken = row == 15 ? rules.BonusBoxClick(column, 1) : rules.ScoreBoxClick(column, row);
            log.passed(s);
        }
        if (s.TurnPassing) rules.NextPlayerTimer();
    }
    return {rp::GameSnapshot::take(s, seats), undo, rp::advisor::recordsOf(log.moves()), true};
}

// Program start to the resumed table, on the offscreen platform.
double resumeMs(const QString& settingsPath) {
    QElapsedTimer t;
    t.start();
    rp::ProgramParts parts;
    parts.settingsPath = settingsPath;
    rp::Program program(std::move(parts));
    program.windows.setOnLastUnloaded([] {});
    program.sound.start();
    program.windows.load<rp::frmHighScores>();
    program.logic.LoadSettings();
    program.windows.show<rp::frmMain>();
    double ms = -1;
    QTimer step;
    QObject::connect(&step, &QTimer::timeout, [&] {
        if (auto* q = program.windows.find<rp::frmResumeGame>(); q && q->isVisible()) return q->imgConfirm->click();
        if (program.state.GameInProgress) {
            ms = t.nsecsElapsed() / 1e6;
            step.stop();
            QCoreApplication::exit(0);
        }
    });
    step.start(0);
    QApplication::exec();
    return ms;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const bool writeOnly = argc > 2 && std::string(argv[1]) == "--write";
    const int repeats = argc > 1 && !writeOnly ? std::max(3, std::atoi(argv[1])) : 51;
    const rp::SavedGame game = halfAGame();

    if (writeOnly) return rp::GameFile(QString::fromLocal8Bit(argv[2])).save(game) ? 0 : 1;
    QTemporaryDir dir;
    rp::GameFile file(dir.filePath("game.ini"));
    std::vector<double> save, saveCpu, load, replay;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        t.start();
        const double c0 = cpuMs();
        file.save(game);
        saveCpu.push_back(cpuMs() - c0);
        save.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        const auto loaded = file.load();
        if (!loaded) return std::fprintf(stderr, "not loaded\n"), 1;
        load.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        if (!rp::advisor::replayMoves(loaded->now.game, loaded->moves)) return std::fprintf(stderr, "not replayed\n"), 1;
        replay.push_back(t.nsecsElapsed() / 1e6);
    }
    // Most of a save is the wait for the disk to confirm it; the CPU is the
    // roll's share.
    std::printf("game_save_ms=%.3f game_load_ms=%.3f game_save_cpu_ms=%.3f moves_replay_ms=%.3f (%zu moves; medians of %d)\n",
                median(save), median(load), median(saveCpu), median(replay), game.moves.size(), repeats);

    std::vector<double> resume;
    for (int i = 0; i < 5; ++i) {
        QTemporaryDir config;
        rp::GameFile(config.filePath("game.ini")).save(game);
        resume.push_back(resumeMs(config.filePath("RealPentaro.ini")));
        if (resume.back() < 0) return 1;
    }
    std::printf("resume_ms=%.1f (median of 5, program start to the resumed table, splash left out)\n", median(resume));
    return 0;
}
