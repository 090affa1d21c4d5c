#include "AbandonedLock.h"
#include "QtSettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(AbandonedLock, OnlyAnEmptyLockPastTheBoundIsAbandoned) {
    const struct {
        qint64 size;
        std::chrono::milliseconds age;
        bool abandoned;
    } rows[] = {
        {0, 1999ms, false}, // just created by a writer about to write its id
        {0, 2000ms, true},  // left over by a writer that died before writing it
        {0, -1h, false},    // dated in the future: a clock was set back
        {1, 24h, false},    // holds an id: QLockFile judges it
    };
    for (const auto& row : rows)
        EXPECT_EQ(core::IsAbandonedLock(row.size, row.age), row.abandoned)
            << row.size << " bytes, " << row.age.count() << " ms";
}

class AbandonedLockFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString IniPath() const { return dir.filePath(QStringLiteral("QVX/Veltrane.ini")); }
    QString LockPath() const { return IniPath() + QStringLiteral(".lock"); }

    // An empty lock file as a writer killed before writing its id leaves it, by default an hour ago.
    void LeaveEmptyLock(qint64 secondsAgo = 3600) {
        ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("QVX"))));
        QFile lock(LockPath());
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-secondsAgo),
                                     QFileDevice::FileModificationTime));
    }
};

// Without the clean-up this save would wait until QLockFile judged the lock stale by its age.
TEST_F(AbandonedLockFile, ASaveRemovesItAndLands) {
    LeaveEmptyLock();
    core::QtSettingsStore store(IniPath());
    store.Set(core::Section::Desktop, QStringLiteral("Speed"), QStringLiteral("7"));
    ASSERT_TRUE(store.Commit());
    EXPECT_FALSE(QFile::exists(LockPath()));
    EXPECT_EQ(core::QtSettingsStore(IniPath()).Get(core::Section::Desktop, QStringLiteral("Speed")),
              QStringLiteral("7"));
}

// A writer that holds its lock (flock, as QLockFile does) keeps it however old and empty it looks.
TEST_F(AbandonedLockFile, OneStillHeldIsKept) {
    LeaveEmptyLock();
    const int held = ::open(QFile::encodeName(LockPath()).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(core::RemoveAbandonedLock(LockPath()));
    EXPECT_TRUE(QFile::exists(LockPath()));
    ::close(held);
    EXPECT_TRUE(core::RemoveAbandonedLock(LockPath()));
    EXPECT_FALSE(QFile::exists(LockPath()));
}

// The usual case after a crash: the next save comes right after the writer died.
TEST_F(AbandonedLockFile, AFreshOneNobodyHoldsIsWaitedOutAndRemoved) {
    LeaveEmptyLock(0);
    EXPECT_TRUE(core::RemoveAbandonedLock(LockPath()));
    EXPECT_FALSE(QFile::exists(LockPath()));
}

} // namespace
