#include "Clock.h"
#include "DeskFixture.h"
#include "DeskSettings.h"
#include "Program.h"
#include "QtPrinters.h"
#include "Rounding.h"
#include "frmMain.h"
#include "frmToolTip.h"

#include <QPointer>
#include <QSystemTrayIcon>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

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

TEST_F(DisplayWindow, PlacedAtTheSavedPosition) {
    const struct {
        const char* left;
        const char* top;
        QPoint expected;
    } rows[] = {
        // No place stored first, as every later row stores both; a place off the screen is pulled back
        // onto it while the window is still.
        {nullptr, nullptr, {0, 0}}, {"1500", "3000", {100, 200}}, {"-150", "-300", {0, 0}},
        {"-150", "45", {0, 3}},     {"1234.5", "bad", {82, 0}},
    };
    Put("Movement", "0");
    for (const auto& r : rows) {
        if (r.left)
            Put("PositionLeft", r.left);
        if (r.top)
            Put("PositionTop", r.top);
        Start();
        EXPECT_EQ(Window().pos(), r.expected) << (r.left ? r.left : "none");
    }
}

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
        int timerMs;
        int pauseTicks;
    } rows[] = {{"0", 1, 1}, {"1", 58000, 1}, {"2", 58000, 2}};
    for (const auto& r : rows) {
        Put("Movement", "1");
        Put("Speed", "100");
        Put("Interval", r.interval);
        Start();
        desk::frmMain& w = Window();
        // The run is ready without the settings dialog.
        ASSERT_EQ(program->Path.Direction, QStringLiteral("Forward"));
        EXPECT_TRUE(w.tmrMovement.isActive());
        EXPECT_EQ(w.tmrInterval.interval(), r.timerMs);
        const int start = program->Path.Coordinate;
        w.tmrMovement_Timer();
        EXPECT_EQ(w.x(), core::TwipsToPixels(start - 100 - w.Width(), 15)) << r.interval;
        EXPECT_EQ(w.y(), 0);
        int ticks = 1;
        while (w.tmrMovement.isActive() && ticks < 100000) {
            w.tmrMovement_Timer();
            ++ticks;
        }
        EXPECT_FALSE(w.tmrMovement.isActive());
        EXPECT_TRUE(w.tmrInterval.isActive());
        EXPECT_LT(program->Path.Coordinate, program->Path.EndCoordinate);
        for (int i = 1; i < r.pauseTicks; ++i) {
            w.tmrInterval_Timer();
            EXPECT_TRUE(w.tmrInterval.isActive()) << r.interval;
        }
        w.tmrInterval_Timer();
        EXPECT_FALSE(w.tmrInterval.isActive()) << r.interval;
        EXPECT_TRUE(w.tmrMovement.isActive()) << r.interval;
        EXPECT_EQ(program->Path.Coordinate, start); // a fresh run
    }
}

// The day is checked by its own timer in every state, and again when a pause ends.
TEST_F(DisplayWindow, ANewDayRebuildsTheWindowInEveryState) {
    const struct {
        const char* movement;
        bool paused;
        void (desk::frmMain::*check)();
    } rows[] = {{"0", false, &desk::frmMain::dayWatch_Timer},
                {"1", false, &desk::frmMain::dayWatch_Timer},
                {"1", true, &desk::frmMain::dayWatch_Timer},
                {"1", true, &desk::frmMain::tmrInterval_Timer}};
    for (const auto& r : rows) {
        today = QDate(2025, 7, 11);
        Put("Movement", r.movement);
        Put("Interval", "1");
        Start();
        EXPECT_TRUE(program->Texts.DisplayText.endsWith(QStringLiteral(" 2 days!")));
        const auto pause = [&] {
            if (r.paused) {
                Window().tmrMovement.stop();
                Window().tmrInterval.start();
            }
        };
        pause();
        const desk::frmMain* before = &Window();
        (Window().*r.check)(); // same day: the same window goes on
        Settle();
        EXPECT_EQ(&Window(), before);
        pause();
        today = QDate(2025, 7, 12);
        (Window().*r.check)();
        Settle();
        EXPECT_NE(&Window(), before) << r.movement;
        EXPECT_EQ(program->Loaded.Today, today);
        EXPECT_TRUE(program->Texts.DisplayText.endsWith(QStringLiteral(" 1 day!")))
            << program->Texts.DisplayText.toStdString();
        EXPECT_FALSE(program->Ended());
        EXPECT_EQ(Window().tmrMovement.isActive(), QByteArray(r.movement) == "1");
    }
}

TEST_F(DisplayWindow, AReloadStartsThePauseCountAfresh) {
    Put("Movement", "1");
    Put("Interval", "3");
    Start();
    Window().tmrMovement.stop();
    Window().tmrInterval.start();
    Window().tmrInterval_Timer();
    EXPECT_EQ(Window().IntervalTicks().Ticks(), 1);
    const QPointer<desk::frmMain> old = &Window();
    program->ReloadDisplay();
    // The predecessor lingers until its deferred delete, and never ticks again.
    ASSERT_TRUE(old);
    EXPECT_FALSE(old->tmrMovement.isActive() || old->tmrInterval.isActive());
    Settle();
    EXPECT_EQ(Window().IntervalTicks().Ticks(), 0);
    EXPECT_FALSE(program->Ended()); // a reload is not the end
}

} // namespace
