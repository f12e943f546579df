#include "Signals.h"

#ifndef _WIN32

#include <QPointer>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace rp {

namespace {
int wakeFds[2] = {-1, -1};
QPointer<QSocketNotifier> listener;
constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here: the event loop does the rest. The
    // socket never blocks, so a flood of signals cannot hang the handler.
    [[maybe_unused]] const auto n = ::write(wakeFds[0], &byte, 1);
}

void defaultHandling() {
    for (int sig : Signals) std::signal(sig, SIG_DFL);
}
}  // namespace

void onTerminationSignal(QObject* owner, std::function<void()> action) {
    delete listener.data();
    // One pair for the whole run; only the listener on it changes.
    if (wakeFds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeFds) != 0) {
        wakeFds[0] = wakeFds[1] = -1;
        return;
    }
    listener = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, owner);
    QObject::connect(listener, &QSocketNotifier::activated, listener, [action = std::move(action)] {
        char byte;
        [[maybe_unused]] const auto n = ::read(wakeFds[1], &byte, 1);
        action();
    });
    // The action may refer to what goes with its owner.
    QObject::connect(listener, &QObject::destroyed, &defaultHandling);
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : Signals) sigaction(sig, &sa, nullptr);
}

}  // namespace rp

#else

namespace rp {
// Windows ends a program by its own messages; the main window's close covers it.
void onTerminationSignal(QObject*, std::function<void()>) {}
}  // namespace rp

#endif
