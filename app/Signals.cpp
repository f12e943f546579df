#include "Signals.h"

#ifndef _WIN32

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace rp {

namespace {
int wakeFds[2] = {-1, -1};

extern "C" void onSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here: the event loop does the rest.
    [[maybe_unused]] const auto n = ::write(wakeFds[0], &byte, 1);
}
}  // namespace

void onTerminationSignal(std::function<void()> action) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeFds) != 0) return;
    auto* notifier = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [action = std::move(action)] {
        char byte;
        [[maybe_unused]] const auto n = ::read(wakeFds[1], &byte, 1);
        action();
    });
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &sa, nullptr);
}

}  // namespace rp

#else

namespace rp {
// Windows ends a program by its own messages; the main window's close covers it.
void onTerminationSignal(std::function<void()>) {}
}  // namespace rp

#endif
