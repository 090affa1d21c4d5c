#include "StartupEntry.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(StartupEntry, WrittenWithTheProgramPathAndRemoved) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString entry = config.filePath(QStringLiteral("autostart/Quindle.desktop"));

    ASSERT_TRUE(desk::AddStartupEntry());
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    EXPECT_TRUE(text.contains(QStringLiteral("\nName=Quindle\n"))) << text.toStdString();
    const QString program = QCoreApplication::applicationFilePath();
    ASSERT_TRUE(program.startsWith(u'/'));
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=") + program + u'\n') ||
                text.contains(QStringLiteral("\nExec=\"") + program + QStringLiteral("\"\n")))
        << text.toStdString();

    ASSERT_TRUE(desk::RemoveStartupEntry());
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_TRUE(desk::RemoveStartupEntry()); // removing what is not there is no failure
    qputenv("XDG_CONFIG_HOME", previous);
}

} // namespace
