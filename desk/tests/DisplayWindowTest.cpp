#include "Clock.h"
#include "DeskFixture.h"
#include "MessageBoxes.h"
#include "QtPrinters.h"
#include "frmMain.h"
#include "frmToolTip.h"

#include <QPointer>
#include <QSystemTrayIcon>
#include <QTest>

#include <functional>
#include <vector>

namespace {

using core::Section;

// The program on a day the test can change, from 10 May 2024.
class DisplayWindow : public DeskFixture {
protected:
    DisplayWindow() : today_([this] { return today; }) {}
    ~DisplayWindow() override { program.reset(); } // while the day is still the test's
    // Starts the program afresh over the store as it now is.
    desk::Program& Start() {
        program.reset();
        Settle();
        program = std::make_unique<desk::Program>(store);
        program->Main();
        return *program;
    }
    desk::frmMain& Window() { return *program->MainWindow(); }
    // Ticks the run to its end, where the pause starts.
    void RunToPause() {
        for (int ticks = 0; program->MovementTimer().isActive() && ticks < 100000; ++ticks)
            program->tmrMovement_Timer();
        ASSERT_FALSE(program->MovementTimer().isActive());
    }
    // A move to where the pointer already is delivers no event, and an earlier test may have left it
    // there: step aside first.
    static void MoveTo(QWidget* w, QPoint at) {
        QTest::mouseMove(w, at + QPoint(1, 1));
        QTest::mouseMove(w, at);
    }

    QDate today{2024, 5, 10};

private:
    core::ScopedToday today_;
};

// The icon opens the settings on a left or right click only; closing the window from outside ends the
// program and takes the icon away.
TEST_F(DisplayWindow, TrayIconOpensTheSettingsOnLeftOrRightClickOnlyAndGoesWithTheWindow) {
    const struct {
        QSystemTrayIcon::ActivationReason reason;
        int requests;
    } rows[] = {{QSystemTrayIcon::Context, 1}, // a left click (Trigger) is the end-to-end settings test's
                {QSystemTrayIcon::DoubleClick, 0},
                {QSystemTrayIcon::MiddleClick, 0}};
    Put("TrayNotification", "1");
    for (const auto& r : rows) {
        Start();
        ASSERT_NE(program->TrayIcon(), nullptr);
        Q_EMIT program->TrayIcon()->activated(r.reason);
        EXPECT_EQ(program->SettingsRequests(), r.requests) << int(r.reason);
    }
    Window().close();
    EXPECT_TRUE(program->Ended());
    EXPECT_EQ(program->TrayIcon(), nullptr);
}

// The hint goes when the pointer reaches it, which a real pointer does only past a Leave the window
// missed (the end-to-end hint test covers the inner area, buttons and leaving).
TEST_F(DisplayWindow, HintGoesWhenThePointerReachesIt) {
    Start();
    MoveTo(&Window(), QPoint(40, 12));
    ASSERT_TRUE(program->Hint() && program->Hint()->isVisible());
    QTest::mouseMove(program->Hint(), QPoint(5, 5));
    Settle();
    EXPECT_EQ(program->Hint(), nullptr);
    QTest::mouseMove(&Window(), QPoint(41, 12)); // and comes back, loaded again
    ASSERT_NE(program->Hint(), nullptr);
    EXPECT_TRUE(program->Hint()->isVisible());
}

TEST_F(DisplayWindow, MovementRunsFromTheFirstLoadAndPausesBetweenRuns) {
    const struct {
        const char* interval;
        int timerMs, pauseTicks;
    } rows[] = {{"0", 1, 1}, {"1", 58000, 1}, {"2", 58000, 2}};
    for (const auto& r : rows) {
        Put({{"Movement", "1"}, {"Speed", "100"}, {"Interval", r.interval}});
        Start();
        desk::Program& p = *program;
        // The run is ready without the settings dialog (where each step puts the window is MovementPath's
        // table and the end-to-end window test's).
        ASSERT_EQ(p.Path().Direction, QStringLiteral("Forward"));
        EXPECT_TRUE(p.MovementTimer().isActive());
        EXPECT_EQ(p.PauseTimer().interval(), r.timerMs);
        const int start = p.Path().Coordinate;
        RunToPause();
        EXPECT_TRUE(p.PauseTimer().isActive());
        EXPECT_LT(p.Path().Coordinate, p.Path().EndCoordinate);
        // A rebuild during a pause starts its count afresh.
        for (bool rebuilt : {false, true}) {
            if (rebuilt) {
                p.ReloadDisplay();
                RunToPause();
            }
            for (int i = 1; i < r.pauseTicks; ++i) {
                p.tmrInterval_Timer();
                EXPECT_TRUE(p.PauseTimer().isActive()) << r.interval;
            }
        }
        p.tmrInterval_Timer();
        EXPECT_FALSE(p.PauseTimer().isActive()) << r.interval;
        EXPECT_TRUE(p.MovementTimer().isActive()) << r.interval;
        EXPECT_EQ(program->Path().Coordinate, start); // a fresh run
    }
}

// The day is checked by its own timer in every state, and again when a pause ends.
TEST_F(DisplayWindow, ANewDayRebuildsTheWindowInEveryState) {
    const struct {
        const char* movement;
        bool paused;
        bool pauseEnds; // the pause's end checks the day, else the window's own day watch
    } rows[] = {{"0", false, false}, {"1", false, false}, {"1", true, false}, {"1", true, true}};
    for (const auto& r : rows) {
        today = QDate(2025, 7, 11);
        Put({{"Movement", r.movement}, {"Interval", "1"}});
        Start();
        EXPECT_TRUE(program->Texts().DisplayText.endsWith(QStringLiteral(" 2 days!")));
        const auto check = [&] {
            if (r.paused)
                RunToPause();
            if (r.pauseEnds)
                program->tmrInterval_Timer();
            else
                Window().dayWatch_Timer();
        };
        const desk::frmMain* before = &Window();
        check(); // same day: the same window goes on
        Settle();
        EXPECT_EQ(&Window(), before);
        today = QDate(2025, 7, 12);
        check();
        Settle();
        EXPECT_NE(&Window(), before) << r.movement;
        EXPECT_EQ(program->Loaded().Today, today);
        EXPECT_TRUE(program->Texts().DisplayText.endsWith(QStringLiteral(" 1 day!")))
            << program->Texts().DisplayText.toStdString();
        EXPECT_FALSE(program->Ended());
        EXPECT_EQ(program->MovementTimer().isActive(), QByteArray(r.movement) == "1");
    }
}

// The user mends a date the window cannot count to while the load's message about it is open: the
// window whose load showed it is not rebuilt under it, and is rebuilt for the new date once it has
// returned.
TEST_F(DisplayWindow, AStoreChangeWhileTheLoadsMessageIsOpenWaitsForTheLoad) {
    Put("Date", "no date", Section::Common);
    Put("Title", "Trip", Section::Common);
    bool mended = false;
    const ui::MessageAnswerer previous = ui::SetMessageAnswerer([&](const ui::MessageRequest&) {
        if (!std::exchange(mended, true)) {
            const QPointer<desk::frmMain> loading = program->MainWindow();
            Put("Date", "2025-07-13", Section::Common);
            program->SettingsChangedOutside();
            Settle();
            EXPECT_TRUE(loading && program->MainWindow() == loading);
        }
        return QMessageBox::Ok;
    });
    program = std::make_unique<desk::Program>(store);
    program->Main();
    ui::SetMessageAnswerer(previous);
    Settle();
    ASSERT_TRUE(mended);
    EXPECT_TRUE(program->Texts().DisplayText.startsWith(QStringLiteral("Trip")));
    EXPECT_TRUE(Window().isVisible());
}

// One target-day notification at a time, even across a rebuild; one the service refused or was not there
// for is sent again at the next check, and the day is remembered once one has been shown (its texts and a
// restart that day are the end-to-end notification test's).
TEST_F(DisplayWindow, TheTargetDayNotificationIsSentAgainUntilOneIsShown) {
    today = QDate(2025, 7, 13);
    std::vector<std::function<void(bool)>> answers;
    program = std::make_unique<desk::Program>(store);
    program->SetTargetNotifier([&](const QString&, const QString&, std::function<void(bool)> answered) {
        answers.push_back(std::move(answered));
    });
    program->Main();
    program->ReloadDisplay();
    ASSERT_EQ(answers.size(), 1u); // the service has not answered yet
    answers.back()(false);
    EXPECT_EQ(Stored("LastNotified"), QString());
    program->NotifyIfTargetDay(); // the service has come, or the next check
    ASSERT_EQ(answers.size(), 2u);
    answers.back()(true);
    EXPECT_FALSE(Stored("LastNotified").isEmpty());
    program->ReloadDisplay();
    EXPECT_EQ(answers.size(), 2u);
}

} // namespace
