#include "UserStore.h"

#include "IniFileBackend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Longer than any save takes, even on a busy machine; a writer stopped while it saves holds the others
// off this long before their saves are reported as failed.
constexpr int kLockWaitMs = 10000;
constexpr int kLockPollMs = 5;

// The writers of one file take flock() on a side file that stays for good: the kernel lets the lock go
// with its holder, so a crashed writer never leaves one behind, and no age or clock decides anything.
// The lock is taken again when the name has meanwhile come to mean another file (the folder was
// removed and made anew), so two writers never hold locks on different files of the same name.
bool WithWriterLock(const QString& lockPath, const std::function<bool()>& save) {
    QDir().mkpath(QFileInfo(lockPath).absolutePath());
    const QByteArray name = QFile::encodeName(lockPath);
    for (int waited = 0; waited <= kLockWaitMs;) {
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0)
            return false;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            if (errno != EWOULDBLOCK && errno != EINTR)
                return false;
            QThread::msleep(kLockPollMs);
            waited += kLockPollMs;
            continue;
        }
        struct stat held {};
        struct stat named {};
        if (::fstat(fd, &held) == 0 && ::stat(name.constData(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino) {
            const bool saved = save();
            ::close(fd); // lets the lock go
            return saved;
        }
        ::close(fd);
    }
    return false;
}

} // namespace

std::unique_ptr<core::SharedStore> OpenIniStore(const QString& filePath) {
    const QString lockPath = filePath + QStringLiteral(".writelock");
    return std::make_unique<core::SharedStore>(std::make_unique<core::IniFileBackend>(
        filePath, [lockPath](const std::function<bool()>& save) { return WithWriterLock(lockPath, save); }));
}

std::unique_ptr<core::SharedStore> OpenUserStore() {
    return OpenIniStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        QStringLiteral("/QVX/Veltrane.ini"));
}

} // namespace platform
