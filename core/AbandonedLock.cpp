#include "AbandonedLock.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace core {

namespace {

// Far beyond the microseconds a live writer takes from creating the lock file to writing its id,
// even on a loaded machine, yet short enough that nobody minds waiting it out once after a crash.
constexpr std::chrono::milliseconds kAbandonedAfter{2000};

#ifdef Q_OS_UNIX
std::chrono::milliseconds AgeOf(const QFileInfo& info) {
    return std::chrono::milliseconds{info.lastModified().msecsTo(QDateTime::currentDateTimeUtc())};
}

// Opens the lock file and takes flock() on it, as a QLockFile holds it from just after creating it
// until it removes it. -1 when it is gone or some process holds it.
int OpenUnheld(const QByteArray& name) {
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}
#endif

} // namespace

bool IsAbandonedLock(qint64 size, std::chrono::milliseconds age) {
    // A modification time in the future (a clock set back) says nothing: leave it to QLockFile.
    return size == 0 && age >= kAbandonedAfter;
}

bool RemoveAbandonedLock(const QString& lockPath) {
#ifdef Q_OS_UNIX
    const QFileInfo first(lockPath);
    if (!first.exists() || first.size() != 0)
        return false;
    const QByteArray name = QFile::encodeName(lockPath);
    // An empty lock nobody holds is a dead writer's, or a live writer's in the instant between
    // creating it and taking flock(). A young one is waited out (once, without holding it, so a live
    // writer takes its flock undisturbed) rather than left to QLockFile, which would wait 30 s.
    const std::chrono::milliseconds age = AgeOf(first);
    if (age < kAbandonedAfter) {
        const int fd = OpenUnheld(name);
        if (fd < 0)
            return false;
        ::close(fd);
        if (age.count() < 0)
            return false;
        QThread::msleep(static_cast<unsigned long>((kAbandonedAfter - age).count()));
    }
    const int fd = OpenUnheld(name);
    if (fd < 0)
        return false;
    // Judge again while holding it, and make sure the name still means the file held: another program
    // may have removed it meanwhile and a new writer created a fresh lock under the same name.
    bool removed = false;
    struct stat held {};
    struct stat named {};
    const QFileInfo now(lockPath);
    if (::fstat(fd, &held) == 0 && ::stat(name.constData(), &named) == 0 && held.st_dev == named.st_dev &&
        held.st_ino == named.st_ino && IsAbandonedLock(now.size(), AgeOf(now)))
        removed = ::unlink(name.constData()) == 0;
    ::close(fd);
    return removed;
#else
    // Elsewhere the store is not an INI file, and an open lock file cannot be told apart safely.
    Q_UNUSED(lockPath);
    return false;
#endif
}

} // namespace core
