// SPDX-License-Identifier: MIT
#include "termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <utility>

namespace nickbridge::app {

namespace {

// The handler may do next to nothing safely: it only wakes the event loop through this pair.
int wakeUp[2] = {-1, -1};

extern "C" void onTerminationSignal(int number) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    if (::write(wakeUp[1], &byte, 1) != 1) {
        // A full pair already holds a wake-up, which is all the loop needs.
    }
    errno = savedErrno;
}

}  // namespace

void holdTerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeUp) != 0) return;
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        if (::sigaction(number, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN) {
            // A handler that cannot be set leaves the signal's default: the program ends unsaved,
            // as it would without this function.
            static_cast<void>(::sigaction(number, &action, nullptr));
        }
    }
}

void closeOnTerminationSignals(QObject& owner, std::function<bool()> closeWindow) {
    if (wakeUp[0] < 0) return;
    auto* notifier = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, &owner);
    QObject::connect(notifier, &QSocketNotifier::activated, &owner,
                     [notifier, closeWindow = std::move(closeWindow)] {
                         char drained = 0;
                         while (::read(wakeUp[0], &drained, 1) > 0) {
                         }
                         // A second signal while the window closes must not close it twice.
                         notifier->setEnabled(false);
                         QCoreApplication::exit(closeWindow() ? 0 : 1);
                     });
}

}  // namespace nickbridge::app
