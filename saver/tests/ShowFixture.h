#pragma once

#include "Clock.h"
#include "MemoryStore.h"
#include "SaverMain.h"
#include "frmMain.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <utility>
#include <vector>

// A display window over a store in memory, on a fixed day, the way Main starts it.
class ShowFixture {
public:
    using Keys = std::vector<std::pair<QString, QString>>;

    explicit ShowFixture(QDate today = QDate(2026, 12, 6))
        : today_(today), clock_([this] { return today_; }) {
        store.Put(core::Section::Common, QStringLiteral("Title"), QStringLiteral("Our wedding"));
        store.Put(core::Section::Common, QStringLiteral("Date"), QStringLiteral("2027-07-13"));
    }

    // Loads the window in the run mode with these "ScreenSaver" keys and shows it.
    saver::frmMain& Start(std::int32_t runMode, const Keys& keys, QSize size = {800, 600}) {
        for (const auto& [key, value] : keys)
            store.Put(core::Section::ScreenSaver, key, value);
        saver::LaunchValues launch;
        if (runMode == saver::kRunPreview)
            launch = saver::PreviewLaunch(size); // Main's own start values
        launch.RunMode = runMode;
        launch.SaverRect = QRect(QPoint(0, 0), size);
        form = std::make_unique<saver::frmMain>(launch, store);
        ended = std::make_unique<QSignalSpy>(form.get(), &saver::frmMain::ProgramEnded);
        form->Form_Load();
        form->setGeometry(launch.SaverRect);
        form->show();
        (void)QTest::qWaitForWindowExposed(form.get(), 60000);
        return *form;
    }

    // Stops the timer and ticks by hand until the text block's left edge is inside the window.
    void BringTextIntoView(int leftOfPixels = 200) {
        form->tmrScroll->stop();
        for (int i = 0; i < 1000 && (form->lblText->x() > leftOfPixels || form->lblText->x() < 0); ++i)
            form->tmrScroll_Timer();
    }

    bool Ended() const { return ended->count() > 0; }

    void SetToday(QDate day) { today_ = day; }

    MemoryStore store;
    std::unique_ptr<saver::frmMain> form;
    std::unique_ptr<QSignalSpy> ended;

private:
    QDate today_;
    core::ScopedToday clock_;
};
