#include "SettingsSchema.h"
#include "UserStore.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const auto WriterPath = [] { return QStringLiteral(VELTRANE_STORE_WRITER); };

// Killing a process in the middle of a save never leaves a store that is unreadable or half written:
// every key holds the value of one and the same complete save, and no save the writer finished is lost.
// The writer reports each finished save on its output; each round kills it at a random point after a
// random number of reports, so every round has saved and the kill falls anywhere in a later save.
TEST(StoreCrash, KilledWhileSavingLeavesOneWholeSave) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QVX/Veltrane.ini"));
    QStringList keys;
    for (const auto& key : core::SettingsSchema())
        if (key.section == core::Section::Desktop)
            keys << key.name;
    auto* random = QRandomGenerator::global();
    for (int round = 0; round < 300; ++round) {
        QProcess writer;
        writer.start(WriterPath(), {path, QStringLiteral("all")});
        ASSERT_TRUE(writer.waitForStarted(60000));
        const int reports = random->bounded(1, 4);
        long reported = 0;
        while (reported < reports) {
            if (!writer.canReadLine()) {
                ASSERT_TRUE(writer.waitForReadyRead(60000)) << "round " << round;
            }
            if (writer.canReadLine())
                reported = writer.readLine().trimmed().toLong();
        }
        // Somewhere in the next save: how far it gets decides only where the kill lands.
        QThread::usleep(random->bounded(0, 3000));
        writer.kill(); // SIGKILL: no chance to finish the write
        ASSERT_TRUE(writer.waitForFinished(60000));
        for (const QByteArray& line : writer.readAllStandardOutput().split('\n'))
            if (!line.trimmed().isEmpty())
                reported = line.trimmed().toLong();

        const auto store = platform::OpenIniStore(path);
        const auto first = store->Get(core::Section::Desktop, keys.first());
        ASSERT_TRUE(first) << "round " << round;
        for (const QString& key : keys)
            ASSERT_EQ(store->Get(core::Section::Desktop, key), first)
                << key.toStdString() << " round " << round;
        // The last reported save, or the one after it that was written but not yet reported.
        const long stored = first->toLong();
        EXPECT_TRUE(stored == reported || stored == reported + 1)
            << "stored " << stored << " reported " << reported << " round " << round;
    }
    // The lock a killed writer left behind does not stop the next save.
    const auto store = platform::OpenIniStore(path);
    store->Set(core::Section::Desktop, QStringLiteral("Speed"), QStringLiteral("7"));
    EXPECT_TRUE(store->Commit());
    EXPECT_EQ(platform::OpenIniStore(path)->Get(core::Section::Desktop, QStringLiteral("Speed")),
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
    const auto store = platform::OpenIniStore(path);
    EXPECT_EQ(store->Get(core::Section::Desktop, QStringLiteral("PositionLeft")), QStringLiteral("150"));
    EXPECT_EQ(store->Get(core::Section::Desktop, QStringLiteral("Speed")), QStringLiteral("150"));
}

} // namespace
