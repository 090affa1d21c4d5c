#include "OutputReader.h"

#include <QSocketNotifier>

#include <csignal>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

void WatchOutputReader(QObject* context, std::function<void()> gone) {
    std::signal(SIGPIPE, SIG_IGN);
    struct stat out {};
    if (::fstat(STDOUT_FILENO, &out) != 0 || !S_ISFIFO(out.st_mode))
        return;
    // The writing end of a pipe is never readable: the event loop's poll reports it only with an error,
    // once the reading end has been closed.
    auto* notifier = new QSocketNotifier(STDOUT_FILENO, QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier, gone = std::move(gone)] {
        pollfd fd{STDOUT_FILENO, POLLOUT, 0};
        if (::poll(&fd, 1, 0) == 1 && (fd.revents & (POLLERR | POLLHUP))) {
            notifier->setEnabled(false);
            gone();
        }
    });
}

} // namespace platform
