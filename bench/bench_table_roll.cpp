// CPU time of one roll of five dice on the real table window, animation and
// roll pause included, beside the CPU of the same wall time idle. Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_table_roll [rolls]
// Before and after the measured rolls it opens two marker paths, so that
//   strace -f -e trace=openat -o trace.txt build/bench_table_roll
// shows every file the rolls open between "rp-bench-start" and "rp-bench-end".

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

#include "Logic.h"
#include "NullTable.h"
#include "RandomDice.h"
#include "SoundPlayer.h"
#include "TableForwarder.h"
#include "WindowedServices.h"
#include "frmMain.h"

namespace {

struct NoBoard : rp::HighScoreBoard {
    void showEntry(char, int, std::string_view, std::string_view, bool) override {}
};
struct NoStore : rp::SettingsStore {
    std::string read(std::string_view, std::string_view) override { return "True"; }
    void write(std::string_view, std::string_view, std::string_view) override {}
    bool flush() override { return true; }
    void setAside(std::string_view) override {}
};

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
    const QString root = rp::programFolder();
    rp::Pictures pictures(rp::imagesFolder(root));
    if (!pictures.loadAll().isEmpty()) {
        std::fprintf(stderr, "pictures missing beside %s: build the assets first\n", qPrintable(root));
        return 1;
    }
    rp::GameState state;
    rp::SoundPlayer sound(state.SoundOn, rp::soundsFolder(root));
    rp::Windows windows({state, pictures, sound});
    rp::WindowedServices services(windows, sound);
    rp::TableForwarder table(windows);
    NoBoard board;
    NoStore store;
    rp::mdlLogic logic(state, table, services, board, store, rp::randomDice());
    windows.define(rp::frmMain::Name, [&logic](rp::Windows& ws) { return new rp::frmMain(ws, logic); });
    logic.LoadSettings();
    auto* main = windows.load<rp::frmMain>();
    windows.show<rp::frmMain>();
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
