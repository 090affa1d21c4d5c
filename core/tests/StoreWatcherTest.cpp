#include "StoreWatcher.h"
#include "QtSettingsStore.h"
#include "WatchedStore.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// A save through another store object of the same file (as the other program saves: a new file renamed
// over the old one) is reported once; a save through the watched store is not.
TEST(StoreWatcher, ReportsSavesFromOutsideButNotItsOwn) {
    int argc = 1;
    char name[] = "core_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("QVX/Veltrane.ini"));
    core::QtSettingsStore own(file);
    core::StoreWatcher watcher(file);
    core::WatchedStore watched(own, watcher);
    QSignalSpy reports(&watcher, &core::StoreWatcher::ChangedOutside);

    watched.Set(core::Section::Common, QStringLiteral("Title"), QStringLiteral("Ours"));
    ASSERT_TRUE(watched.Commit());
    // Wait until the events of our own save have been seen and have settled.
    QTRY_VERIFY_WITH_TIMEOUT(watcher.BurstsSettled() > 0, 60000);
    EXPECT_EQ(reports.count(), 0);

    for (const char* title : {"Theirs", "Theirs again"}) {
        const int before = reports.count();
        core::QtSettingsStore other(file);
        other.Set(core::Section::Common, QStringLiteral("Title"), QString::fromLatin1(title));
        ASSERT_TRUE(other.Commit());
        QTRY_VERIFY_WITH_TIMEOUT(reports.count() > before, 60000);
    }
}
