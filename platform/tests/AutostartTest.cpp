#include "Autostart.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class AutostartTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(config.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    }
    QString EntryText() const {
        QFile file(config.filePath(QStringLiteral("autostart/Quindle.desktop")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    QTemporaryDir config;
};

TEST_F(AutostartTest, AddWritesADesktopEntryAndRemoveDeletesIt) {
    EXPECT_FALSE(platform::HasStartupEntry(QStringLiteral("Quindle")));
    ASSERT_TRUE(
        platform::AddStartupEntry(QStringLiteral("Quindle"), QStringLiteral("/opt/veltrane/bin/Quindle")));
    EXPECT_TRUE(platform::HasStartupEntry(QStringLiteral("Quindle")));
    const QString text = EntryText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nType=Application\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nName=Quindle\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=/opt/veltrane/bin/Quindle\n")));

    // Adding again replaces the entry rather than failing.
    ASSERT_TRUE(platform::AddStartupEntry(QStringLiteral("Quindle"), QStringLiteral("/home/a b/Quindle")));
    EXPECT_TRUE(EntryText().contains(QStringLiteral("\nExec=\"/home/a b/Quindle\"\n")));

    ASSERT_TRUE(platform::RemoveStartupEntry(QStringLiteral("Quindle")));
    EXPECT_FALSE(platform::HasStartupEntry(QStringLiteral("Quindle")));
    EXPECT_TRUE(platform::RemoveStartupEntry(QStringLiteral("Quindle"))); // nothing there: nothing to do
}

} // namespace
