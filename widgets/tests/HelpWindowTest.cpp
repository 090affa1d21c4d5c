#include "HelpWindow.h"
#include "DataFiles.h"
#include "MessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

TEST(HelpWindow, EachTopicOpensItsShippedPage) {
    const struct {
        int topic;
        const char* title;
    } rows[] = {{ui::kScreenSaverSettingsTopic, "Screensaver Settings"},
                {ui::kDesktopSettingsTopic, "Desktop Program Settings"},
                {7, "Veltrane Help"}};
    for (const auto& r : rows) {
        // No help file is set (as when DesktopPath is missing): the shipped pages are used.
        ASSERT_TRUE(ui::ShowHelp(nullptr, QString(), r.topic)) << r.topic;
        ui::HelpWindow* window = ui::HelpWindow::Current();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->Browser()->documentTitle(), QString::fromLatin1(r.title));
        EXPECT_EQ(window->Browser()->source().fileName(),
                  QFileInfo(ui::HelpPageForTopic(r.topic)).fileName());
    }
    // Asking again reuses the one window.
    ui::HelpWindow* first = ui::HelpWindow::Current();
    ui::ShowHelp(nullptr, QStringLiteral("/nowhere/Veltrane.chm"), ui::kDesktopSettingsTopic);
    EXPECT_EQ(ui::HelpWindow::Current(), first);
    first->close();
}

TEST(HelpWindow, PagesBesideTheHelpFileComeFirst) {
    QTemporaryDir folder;
    QDir().mkpath(folder.filePath(QStringLiteral("help")));
    QFile page(folder.filePath(QStringLiteral("help/desktop-settings.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><title>Installed copy</title></head><body>x</body></html>");
    page.close();
    ASSERT_TRUE(
        ui::ShowHelp(nullptr, folder.filePath(QStringLiteral("Veltrane.chm")), ui::kDesktopSettingsTopic));
    EXPECT_EQ(ui::HelpWindow::Current()->Browser()->documentTitle(), QStringLiteral("Installed copy"));
    ui::HelpWindow::Current()->close();
}

} // namespace
