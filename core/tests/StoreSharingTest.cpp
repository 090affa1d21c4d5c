#include "IniText.h"
#include "SyncedTexts.h"
#include "UserStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A program whose store is open reads the shared texts as the other program last saved them.
TEST(StoreSharing, SyncedTextsReadWhatAnotherProcessSaved) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Veltrane.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        core::WriteIniText({{QStringLiteral("Desktop/Title"), QStringLiteral("A title read at start")}}));
    file.close();
    const auto store = platform::OpenIniStore(path);
    const QDate today(2025, 7, 13);
    ASSERT_EQ(core::ReloadSyncedTexts(*store, 0, core::Section::Desktop, today).Title,
              QStringLiteral("A title read at start"));

    QProcess writer;
    writer.start(QStringLiteral(VELTRANE_STORE_WRITER),
                 {path, QStringLiteral("one"), QStringLiteral("Title"), QStringLiteral("3")});
    ASSERT_TRUE(writer.waitForFinished(120000));
    ASSERT_EQ(writer.exitCode(), 0);

    EXPECT_EQ(core::ReloadSyncedTexts(*store, 0, core::Section::Desktop, today).Title, QStringLiteral("3"));
}

} // namespace
