// Real Pentaro: the splash, then the table, until the close label says
// goodbye.

#include <QApplication>
#include <future>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "EarlySplash.h"
#include "Program.h"
#include "QtMessages.h"
#include "Signals.h"

namespace {

struct WaitAtEnd {
    std::shared_future<void> done;
    ~WaitAtEnd() {
        if (done.valid()) done.wait();
    }
};

}  // namespace

int main(int argc, char* argv[]) {
#ifdef __GLIBC__
    // Pictures are decoded and scaled in blocks of hundreds of kilobytes and
    // let go of again; taken straight from the system, they go straight back
    // to it, rather than stay behind in the heap as glibc's sliding
    // threshold would keep them after the first one is freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    rp::quietQtMessages();
    rp::EarlyPicture splash = rp::decodeSplashEarly();
    // Its thread reads the settings through Qt, whose shared state goes in
    // the program's last moments: a start that fails at once waits for it.
    const WaitAtEnd waitForSplash{splash.finished};
    QApplication app(argc, argv);
    rp::ProgramParts parts;
    parts.splash = std::move(splash);
    rp::Program program(std::move(parts));
    if (!program.start()) return 1;
    rp::onTerminationSignal(&program.windows, [&program] { program.terminate(); });
    return QApplication::exec();
}
