#include "SaverMain.h"
#include "MessageLog.h"
#include "UserStore.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Main on a private settings folder and lock folder, with message boxes answered and recorded.
class SaverMainTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        qputenv("XDG_CONFIG_HOME", folder_.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", folder_.path().toLocal8Bit());
        QApplication::setApplicationName(QStringLiteral("Pellmora"));
    }

    void Store(const QString& key, const QString& value) {
        const auto store = platform::OpenUserStore();
        store->Set(core::Section::Common, key, value);
        ASSERT_TRUE(store->Commit());
    }

    MessageLog log;

private:
    QTemporaryDir folder_;
};

// Closes the settings dialog as soon as it is shown, remembering its caption.
struct DialogCloser {
    DialogCloser() {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                captions << modal->windowTitle();
                modal->close();
            }
        });
        timer.start();
    }
    QTimer timer;
    QStringList captions;
};

TEST_F(SaverMainTest, ABadTargetDateIsReportedOnceWhenTheWindowLoads) {
    Store(QStringLiteral("Date"), QStringLiteral("next summer"));
    DialogCloser closer;
    EXPECT_EQ(saver::Main({QStringLiteral("/c")}), 0);
    ASSERT_EQ(log.requests.size(), 1u);
    EXPECT_TRUE(log.requests[0].text.startsWith(QStringLiteral("The Date Calculation cannot be completed")));
    EXPECT_EQ(log.requests[0].icon, QMessageBox::Critical);
}

TEST_F(SaverMainTest, HelpFileFollowsTheDesktopFolder) {
    saver::Main({QStringLiteral("/a")});
    EXPECT_EQ(saver::HelpFile(), QStringLiteral("/Veltrane.chm"));
    Store(QStringLiteral("DesktopPath"), QStringLiteral("/opt/veltrane"));
    saver::Main({QStringLiteral("/a")});
    EXPECT_EQ(saver::HelpFile(), QStringLiteral("/opt/veltrane/Veltrane.chm"));
}

} // namespace
