// Memory over a long session: games of four computer players, one after
// another in one process, and the zoom changed back and forth. Not a test.
//   QT_QPA_PLATFORM=offscreen build/bench_soak [games] [zoom changes]
// Prints the resident memory after the tenth game and after the last
// (soak_rss_growth_kb= the difference), and before and after the zoom
// changes (zoom_cycle_rss_growth_kb=).

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "BenchTable.h"
#include "TableComputer.h"
#include "frmEndGame.h"
#include "frmHighScores.h"
#include "frmMain.h"
#include "frmNewGame.h"

namespace {

long rssKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// Memory as the system sees it once freed blocks are handed back, as the
// game does after its start.
long settledRssKb() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
    return rssKb();
}

// A timer of the table that would wait for a person's eyes fires now.
void fireNow(QTimer* timer, const std::function<void()>& handler) {
    if (!timer->isActive()) return;
    timer->stop();
    handler();
}

}  // namespace

int main(int argc, char* argv[]) {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);  // as the game does
#endif
    QApplication app(argc, argv);
    const int games = argc > 1 ? std::max(11, std::atoi(argv[1])) : 200;
    const int zoomChanges = argc > 2 ? std::max(2, std::atoi(argv[2])) : 50;
    rp::bench::BenchTable table;
    if (!table.open()) return 1;
    rp::Program& program = *table.program;
    rp::frmMain* main = table.main;
    auto* computer = main->findChild<rp::TableComputer*>();
    rp::GameState& state = program.state;

    long afterTenth = 0;
    QElapsedTimer clock;
    clock.start();
    for (int game = 1; game <= games; ++game) {
        auto* dialog = program.windows.load<rp::frmNewGame>();
        dialog->imgGameTypeCheck_Click(1);
        dialog->SelectPlayerCount(4);
        for (int p = 1; p <= 4; ++p) program.seats.kind(p) = rp::SeatKind::Easy;
        program.seats.pace = rp::Pace::Instant;
        dialog->imgOKButton_MouseUp();
        for (;;) {
            if (computer->onTurn() && !computer->hurried()) computer->hurry();
            fireNow(main->tmrNext, [main] { main->tmrNext_Timer(); });
            fireNow(main->tmrEndGame, [main] { main->tmrEndGame_Timer(); });
            if (auto* end = program.windows.find<rp::frmEndGame>(); end && end->isVisible()) {
                end->imgDone_MouseUp();
                break;
            }
            app.processEvents(QEventLoop::AllEvents, 5);
        }
        if (auto* scores = program.windows.find<rp::frmHighScores>(); scores && scores->isVisible())
            scores->imgOKButton_MouseUp();
        app.processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (game == 10) afterTenth = settledRssKb();
        if (state.GameInProgress) {
            std::fprintf(stderr, "game %d did not end\n", game);
            return 1;
        }
    }
    const long afterLast = settledRssKb();
    std::printf("games=%d seconds=%.1f rss_kb_after_10=%ld rss_kb_after_%d=%ld soak_rss_growth_kb=%ld\n", games,
                clock.elapsed() / 1000.0, afterTenth, games, afterLast, afterLast - afterTenth);

    // The zoom back and forth, as a player trying sizes would.
    const long beforeZoom = settledRssKb();
    for (int i = 0; i < zoomChanges; ++i) {
        program.windows.chooseZoom(i % 2 == 0 ? 150 : 100);
        app.processEvents();
    }
    const long afterZoom = settledRssKb();
    std::printf("zoom_changes=%d rss_kb_before=%ld rss_kb_after=%ld zoom_cycle_rss_growth_kb=%ld\n", zoomChanges,
                beforeZoom, afterZoom, afterZoom - beforeZoom);
    return 0;
}
