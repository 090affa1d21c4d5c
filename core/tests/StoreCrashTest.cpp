#include "QtSettingsStore.h"
#include "SettingsSchema.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QString WriterPath() {
    return QStringLiteral(VELTRANE_STORE_WRITER);
}

// Killing a process in the middle of a save never leaves a store that is unreadable or half written:
// every key holds the value of one and the same complete save.
TEST(StoreCrash, KilledWhileSavingLeavesOneWholeSave) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QVX/Veltrane.ini"));
    QStringList keys;
    for (const auto& key : core::SettingsSchema())
        if (key.section == core::Section::Desktop)
            keys << key.name;
    auto* random = QRandomGenerator::global();
    long lastGeneration = 0;
    int rounds = 0, sawSaves = 0;
    for (; rounds < 300; ++rounds) {
        QProcess writer;
        writer.start(WriterPath(), {path, QStringLiteral("all")});
        ASSERT_TRUE(writer.waitForStarted(5000));
        QThread::msleep(random->bounded(1, 40));
        writer.kill(); // SIGKILL: no chance to finish the write
        writer.waitForFinished(5000);

        core::QtSettingsStore store(path);
        const auto first = store.Get(core::Section::Desktop, keys.first());
        if (!first) {
            // Killed before its first save: nothing may be there yet, or the earlier save.
            EXPECT_EQ(lastGeneration, 0);
            continue;
        }
        ++sawSaves;
        for (const QString& key : keys)
            ASSERT_EQ(store.Get(core::Section::Desktop, key), first)
                << key.toStdString() << " round " << rounds;
        lastGeneration = first->toLong();
        EXPECT_GT(lastGeneration, 0);
    }
    EXPECT_GT(sawSaves, rounds / 2);
    // The lock a killed writer left behind does not stop the next save.
    core::QtSettingsStore store(path);
    store.Set(core::Section::Desktop, QStringLiteral("Speed"), QStringLiteral("7"));
    EXPECT_TRUE(store.Commit());
    EXPECT_EQ(core::QtSettingsStore(path).Get(core::Section::Desktop, QStringLiteral("Speed")),
              QStringLiteral("7"));
}

// Two programs saving different keys at the same time keep each other's keys.
TEST(StoreCrash, TwoWritersOfDifferentKeysLoseNeither) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Veltrane.ini"));
    QProcess a, b;
    a.start(WriterPath(),
            {path, QStringLiteral("one"), QStringLiteral("PositionLeft"), QStringLiteral("150")});
    b.start(WriterPath(), {path, QStringLiteral("one"), QStringLiteral("Speed"), QStringLiteral("150")});
    ASSERT_TRUE(a.waitForFinished(60000));
    ASSERT_TRUE(b.waitForFinished(60000));
    EXPECT_EQ(a.exitCode(), 0);
    EXPECT_EQ(b.exitCode(), 0);
    core::QtSettingsStore store(path);
    EXPECT_EQ(store.Get(core::Section::Desktop, QStringLiteral("PositionLeft")), QStringLiteral("150"));
    EXPECT_EQ(store.Get(core::Section::Desktop, QStringLiteral("Speed")), QStringLiteral("150"));
}

} // namespace
