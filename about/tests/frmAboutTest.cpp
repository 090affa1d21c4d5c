#include "frmAbout.h"
#include "Clock.h"
#include "DataFiles.h"
#include "Links.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Records what the box asks the desktop to open.
struct OpenRecorder {
    OpenRecorder() {
        previous = ui::SetLinkOpener([this](const QUrl& url) {
            opened.append(url);
            return true;
        });
    }
    ~OpenRecorder() { ui::SetLinkOpener(previous); }
    QList<QUrl> opened;
    ui::LinkOpener previous;
};

// The parts that depend on the program and the day; the fixed wording is the layout's.
TEST(frmAbout, FillsItsLabelsForTheProgramAndTheDay) {
    QApplication::setApplicationName(QStringLiteral("Pellmora"));
    core::ScopedToday today(QDate(2031, 2, 3));
    about::frmAbout box(core::Program::ScreenSaver, QString());
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About - Pellmora"));
    EXPECT_EQ(box.lblTitle->text(), QStringLiteral("Pellmora"));
    EXPECT_EQ(box.lblDate->text(), QStringLiteral("2031"));
    EXPECT_EQ(box.lblWebSite->toolTip(), QStringLiteral(" Click to visit Vendor's WebSite "));
    about::frmAbout desk(core::Program::Desktop, QString());
    EXPECT_EQ(desk.lblWebSite->toolTip(), QStringLiteral(" Click to Visit Vendor's WebSite "));
}

TEST(frmAbout, LinksCloseTheBoxButTheReadMeLeavesItOpen) {
    QTemporaryDir folder;
    QFile readMe(folder.filePath(QStringLiteral("ReadMe.rtf")));
    ASSERT_TRUE(readMe.open(QIODevice::WriteOnly));
    readMe.close();

    // The web page and the mail address are the maker's, whatever they are set to at build time.
    const struct {
        const char* what;
        QString scheme;
        bool closes;
    } rows[] = {{"read-me", "file", false}, {"web", "https", true}, {"mail", "mailto", true}};
    for (const auto& r : rows) {
        OpenRecorder recorder;
        about::frmAbout box(core::Program::Desktop, folder.path());
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box, 60000));
        const QString what = QString::fromLatin1(r.what);
        if (what == u"read-me")
            QTest::mouseClick(box.cmdViewReadMe, Qt::LeftButton);
        else
            QTest::mouseClick(what == u"web" ? box.lblWebSite : box.lblEmail, Qt::LeftButton);
        ASSERT_EQ(recorder.opened.size(), 1) << r.what;
        const QUrl& url = recorder.opened.first();
        EXPECT_EQ(url.scheme(), r.scheme) << r.what;
        if (what == u"read-me")
            EXPECT_EQ(url.toLocalFile(), folder.filePath(QStringLiteral("ReadMe.rtf")));
        else if (what == u"mail")
            EXPECT_EQ(box.lblEmail->text(), QStringLiteral("Email: ") + url.path()); // the address shown
        else
            EXPECT_FALSE(url.host().isEmpty());
        EXPECT_EQ(box.isVisible(), !r.closes) << r.what;
    }
}

TEST(frmAbout, WithoutAFolderTheShippedReadMeIsUsed) {
    // With no folder set (no DesktopPath), the read-me shipped beside the programs is opened.
    about::frmAbout box(core::Program::ScreenSaver, QString());
    EXPECT_EQ(box.ReadMePath(), core::DataFolder() + QStringLiteral("/ReadMe.rtf"));
    EXPECT_TRUE(QFile::exists(box.ReadMePath()));
}

} // namespace
