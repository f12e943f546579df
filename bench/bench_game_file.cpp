// One save and one load of a four-player three-column game in progress
// (about half the boxes filled, dice kept, an undo point). Not a test.
//   build/bench_game_file [repeats]
//   build/bench_game_file --write PATH   only writes that game to PATH (bench/measure.sh
//                                       resumes it to measure a game in progress)

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "GameFile.h"

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

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const bool writeOnly = argc > 2 && std::string(argv[1]) == "--write";
    const int repeats = argc > 1 && !writeOnly ? std::max(3, std::atoi(argv[1])) : 51;
    rp::GameState g;
    g.NumPlayers = 4;
    g.GameType = 1;
    g.CurrentPlayer = 3;
    g.RollCount = 2;
    g.GameInProgress = true;
    for (int p = 1; p <= 4; ++p) {
        g.PlayerName(p) = "Player " + std::to_string(p);
        for (int c = 1; c <= 3; ++c)
            for (int r = 1; r <= 16; r += 2) g.Score(p, r, c) = rp::Int16(r * 3), g.Used(p, r, c) = true;
    }
    for (int d = 1; d <= 5; ++d) g.Dice(d) = rp::Int16(d), g.DieKept(d) = d < 3;
    rp::Seats seats;
    const rp::SavedGame game{rp::GameSnapshot::take(g, seats), rp::GameSnapshot::take(g, seats)};

    if (writeOnly) return rp::GameFile(QString::fromLocal8Bit(argv[2])).save(game) ? 0 : 1;
    QTemporaryDir dir;
    rp::GameFile file(dir.filePath("game.ini"));
    std::vector<double> save, saveCpu, load;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer t;
        t.start();
        const double c0 = cpuMs();
        file.save(game);
        saveCpu.push_back(cpuMs() - c0);
        save.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        if (!file.load()) return 1;
        load.push_back(t.nsecsElapsed() / 1e6);
    }
    // Most of a save is the wait for the disk to confirm it; the CPU is the
    // roll's share.
    std::printf("game_save_ms=%.3f game_load_ms=%.3f game_save_cpu_ms=%.3f (medians of %d)\n", median(save),
                median(load), median(saveCpu), repeats);
    return 0;
}
