#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

int signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: one byte into the pipe, read on the event loop.
void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

void QuitOnTerminationSignals() {
    if (signalPipe[0] != -1 || !QCoreApplication::instance())
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    // exit() ends every event loop running at that moment, a message box's and a dialog's included. The
    // code after such a box may still start another loop (the program's main loop, after a box shown
    // while starting), so the request is repeated in every loop that runs until the main loop is left.
    auto* repeat = new QTimer(notifier);
    QObject::connect(repeat, &QTimer::timeout, repeat, [] { QCoreApplication::exit(0); });
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, repeat, &QTimer::stop);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [repeat] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(signalPipe[1], &byte, 1);
        // exit(), not quit(): quit() first asks every top-level window to close, and a foreign host
        // window (a daemon's, a preview area) refuses.
        QCoreApplication::exit(0);
        if (!repeat->isActive())
            repeat->start(0);
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &action, nullptr);
}

} // namespace platform
