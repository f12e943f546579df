// CPU time of one roll of five dice on the real table window, animation and
// roll pause included, beside the CPU of the same wall time idle. Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_table_roll [rolls]
// Before and after the measured rolls it opens two marker paths, so that
//   strace -f -e trace=openat -o trace.txt build/bench_table_roll
// shows every file the rolls open between "rp-bench-start" and "rp-bench-end".

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include "BenchTable.h"

namespace {

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void marker(const char* name) {
    const int fd = ::open(name, O_RDONLY);  // fails, but strace sees it
    if (fd >= 0) ::close(fd);
}

void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int rolls = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    rp::bench::BenchTable table;
    if (!table.open()) return 1;
    rp::Program& program = *table.program;
    rp::GameState& state = program.state;
    rp::mdlLogic& logic = program.logic;
    rp::frmMain* main = table.main;
    state.NumPlayers = 1;
    state.GameType = 1;
    state.PlayerName(1) = "Bench";
    state.CurrentPlayer = 1;
    logic.StartNewGame();
    state.GameInProgress = true;
    runFor(300);

    std::vector<double> rollMs, idleMs;
    auto oneRoll = [&] {
        // A fresh turn each time, so every roll tumbles all five dice.
        logic.ResetDiceForTurn();
        const double c0 = cpuMs();
        main->cmdGhostEnter_Click();
        runFor(600);  // 350 ms of tumbling, the 500 ms pause, a margin
        return cpuMs() - c0;
    };
    oneRoll();  // warm-up: first paints and the first sound
    marker("/rp-bench-start");
    for (int i = 0; i < rolls; ++i) {
        rollMs.push_back(oneRoll());
        const double c0 = cpuMs();
        runFor(600);
        idleMs.push_back(cpuMs() - c0);
    }
    marker("/rp-bench-end");
    std::printf("rolls=%d roll_cpu_ms=%.2f idle_cpu_ms=%.2f (medians over the same 600 ms)\n", rolls,
                median(rollMs), median(idleMs));
    return 0;
}
