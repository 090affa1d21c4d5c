#include "frmSetup.h"
#include "Clock.h"
#include "DateEntry.h"
#include "DeskFixture.h"
#include "DialogInput.h"
#include "MessageLog.h"
#include "QtPrinters.h"
#include "Rounding.h"
#include "ScreenUnits.h"
#include "frmMain.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

using core::Section;
using input::Click;
using input::Retype;

// The desktop program over a store in memory on 10 May 2024 (target 13 July 2025), with its settings
// dialog opened the way the window's right click opens it.
class DeskSetup : public DeskFixture {
protected:
    DeskSetup() {
        QCoreApplication::setApplicationName(QStringLiteral("Quindle"));
        Put({{"RunStartup", "0"}, {"PositionLeft", "1500"}, {"PositionTop", "3000"}});
    }
    ~DeskSetup() override { program.reset(); } // while its message boxes are still recorded
    void Start() {
        program = std::make_unique<desk::Program>(store);
        program->SetSettingsDialogFactory([](desk::Program& p) { return new desk::frmSetup(p); });
        program->Main();
    }
    desk::frmSetup& Open() {
        if (!program)
            Start();
        program->OpenSettingsDialog();
        auto* dialog = qobject_cast<desk::frmSetup*>(program->SettingsDialog());
        EXPECT_TRUE(dialog);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog, 60000));
        store.writes.clear();
        return *dialog;
    }
    // A fresh program over the store as it now is, with its dialog open.
    desk::frmSetup& Reopen() {
        program.reset();
        Settle();
        return Open();
    }
    desk::frmSetup* Dialog() const { return qobject_cast<desk::frmSetup*>(program->SettingsDialog()); }
    // Chooses a page by clicking its node in the tree.
    static void ShowPage(desk::frmSetup& d, const QString& node) {
        const auto found = d.tvwOptions->findItems(node, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1);
        const QRect r = d.tvwOptions->visualItemRect(found.first());
        QTest::mouseClick(d.tvwOptions->viewport(), Qt::LeftButton, {}, r.center());
    }

    core::ScopedToday today{QDate(2024, 5, 10)};
    MessageLog log;
};

// The Movement box acts on the window at once: cleared, the window stops at its stored place; ticked,
// it starts moving. Cancel, or closing the dialog while the icon keeps it loaded, undoes it.
TEST_F(DeskSetup, TheMovementBoxActsAtOnceAndCancelOrClosingUndoesIt) {
    const struct {
        const char *movement, *tray;
        bool closeWindow;
    } rows[] = {{"1", "0", false}, {"1", "1", true}, {"0", "0", false}};
    for (const auto& row : rows) {
        Put({{"Movement", row.movement}, {"TrayNotification", row.tray}});
        desk::frmSetup& d = Reopen();
        desk::frmMain* display = program->MainWindow();
        const bool ticked = *row.movement == '0';
        ShowPage(d, QStringLiteral("Movement"));
        Click(d.chkMovementEnable);
        EXPECT_EQ(program->MovementTimer().isActive(), ticked) << row.movement;
        if (ticked) {
            for (int i = 0; i < 20; ++i)
                program->tmrMovement_Timer();
            ASSERT_NE(display->pos(), QPoint(100, 200));
        } else {
            EXPECT_FALSE(program->PauseTimer().isActive());
            EXPECT_EQ(display->pos(), QPoint(100, 200)); // 1500 and 3000 twips at 15 twips a pixel
        }
        EXPECT_TRUE(store.writes.isEmpty());
        if (row.closeWindow)
            d.close();
        else
            Click(d.cmdCancel);
        Settle();
        ASSERT_EQ(program->MainWindow(), display);
        EXPECT_EQ(program->MovementTimer().isActive(), !ticked) << row.movement;
        if (ticked) {
            EXPECT_EQ(display->pos(), QPoint(100, 200));
        }
        ASSERT_EQ(program->SettingsDialog() != nullptr, row.closeWindow);
        if (row.closeWindow) {
            EXPECT_TRUE(d.chkMovementEnable->isChecked()); // kept loaded, as the user left it
        }
        EXPECT_FALSE(store.writes.contains(QStringLiteral("Desktop/Movement")));
    }
}

// The pause slider sets the pause timer at once; the speed slider leaves the running window alone until
// Apply.
TEST_F(DeskSetup, ThePauseSliderActsAtOnceAndTheSpeedSliderOnApply) {
    const struct {
        Qt::Key key;
        int value, ms;
    } rows[] = {{Qt::Key_End, 360, 60000}, {Qt::Key_Home, 0, 1}, {Qt::Key_Right, 1, 60000}};
    Put({{"Movement", "1"}, {"Interval", "5"}, {"Speed", "40"}});
    desk::frmSetup& d = Open();
    ShowPage(d, QStringLiteral("Movement"));
    for (const auto& row : rows) {
        QTest::keyClick(d.HScrollInterval, row.key);
        EXPECT_EQ(d.HScrollInterval->value(), row.value);
        EXPECT_EQ(program->PauseTimer().interval(), row.ms) << row.value;
    }
    QTest::keyClick(d.HScrollSpeed, Qt::Key_PageUp);
    ASSERT_EQ(d.Pending().Speed, 50);
    const auto step = [this] {
        const int before = program->Path().Coordinate;
        program->tmrMovement_Timer();
        return before - program->Path().Coordinate; // a forward run counts down
    };
    EXPECT_EQ(step(), 40);
    EXPECT_TRUE(store.writes.isEmpty());
    Click(d.cmdApply);
    Settle();
    EXPECT_EQ(step(), 50);
}

TEST_F(DeskSetup, ATypedDateWaitsButAPickedDateRefreshesTheSample) {
    desk::frmSetup& d = Open();
    const QString before = d.lblSampleText->text();
    const struct {
        bool pick;
        QDate date;
        bool sampleChanged, styleEnabled;
    } rows[] = {{false, QDate(2024, 5, 10), false, true}, // today, typed: Apply comes on, the sample stays
                {true, QDate(2024, 5, 10), true, false},  // the same day picked: the target is reached
                {true, QDate(2024, 6, 10), true, true}};
    for (const auto& row : rows) {
        if (row.pick) {
            Click(d.dateEntry->cmdCalendar);
            ASSERT_TRUE(d.dateEntry->MonthView->isVisible());
            Q_EMIT d.dateEntry->MonthView->clicked(row.date);
        } else {
            Retype(d.dateEntry->txtDate, core::FormatShortDate(row.date));
        }
        EXPECT_EQ(d.dateEntry->PendingDate(), row.date);
        EXPECT_EQ(d.lblSampleText->text() != before, row.sampleChanged)
            << d.lblSampleText->text().toStdString();
        EXPECT_EQ(d.optStyle[0]->isEnabled(), row.styleEnabled);
    }
    EXPECT_TRUE(store.writes.isEmpty());
}

TEST_F(DeskSetup, AfterApplyOrOKBothRestoreButtonsBringBackTheSavedDate) {
    const struct {
        bool ok; // OK with the icon on keeps the dialog loaded; opened again
        bool fixDate;
        QString edit;
    } rows[] = {{false, true, QStringLiteral("1/2/3/4")},
                {true, true, QStringLiteral("not a date")},
                {false, false, core::FormatShortDate(QDate(2027, 2, 2))}};
    for (const auto& row : rows) {
        Put("Date", "2025-07-13", Section::Common);
        Put("TrayNotification", row.ok ? "1" : "0");
        desk::frmSetup& d = Reopen();
        Retype(d.dateEntry->txtDate, core::FormatShortDate(QDate(2026, 1, 1)));
        Click(row.ok ? d.cmdOK : d.cmdApply);
        Settle();
        if (row.ok)
            program->OpenSettingsDialog();
        ASSERT_EQ(Dialog(), &d);
        Retype(d.dateEntry->txtDate, row.edit);
        Click(row.fixDate ? d.dateEntry->cmdFixDate : d.cmdRestoreSettings);
        EXPECT_EQ(core::ParseDateText(d.dateEntry->txtDate->text()), QDate(2026, 1, 1))
            << row.edit.toStdString();
        EXPECT_FALSE(d.dateEntry->fraDateRangeMsg->isVisible()) << row.edit.toStdString();
        EXPECT_FALSE(d.SettingsChanged()) << row.edit.toStdString();
    }
}

// A stored page out of range opens the first; the page shown last is remembered.
TEST_F(DeskSetup, TheStoredPageIsShownAndTheLastOneRemembered) {
    Put("SetupOption", "9");
    desk::frmSetup& d = Reopen();
    EXPECT_TRUE(d.fraOptions[1]->isVisible());
    ShowPage(d, QStringLiteral("Style"));
    Click(d.cmdCancel);
    EXPECT_EQ(Stored("SetupOption"), QStringLiteral("2"));
}

// The placement shows one offset bar, which reaches from edge to edge of the screen whatever the
// window's size; a step shows its amount at once, and the moving window reads it before it is saved.
TEST_F(DeskSetup, OffsetSlidersReachFromEdgeToEdgeAndShowTheirAmount) {
    const struct {
        const char* position;
        bool wide; // the window is wider and taller than the screen: each bar's ends swap sides
    } rows[] = {{"0", false}, {"1", false}, {"0", true}, {"1", true}};
    for (const auto& row : rows) {
        Put({{"Movement", "1"}, {"Position", row.position}, {"Horizontal", "1"}, {"Vertical", "1"}});
        Put({{"TextFontSize", row.wide ? "400" : "10"}, {"Style", row.wide ? "1" : "0"}});
        desk::frmSetup& d = Reopen();
        ShowPage(d, QStringLiteral("Position"));
        const QSizeF screen(d.screen()->geometry().width() * ui::TwipsPerPixelX(),
                            d.screen()->geometry().height() * ui::TwipsPerPixelY());
        const desk::frmMain* w = program->MainWindow();
        ASSERT_EQ(w->Width() > screen.width() && w->Height() > screen.height(), row.wide);
        const bool horizontal = *row.position == '0';
        // Left end: "Lower" (a run against the bottom edge) or "Left" (against the left edge).
        const double half =
            horizontal ? screen.height() / 2.0 - w->Height() / 2.0 : screen.width() / 2.0 - w->Width() / 2.0;
        const int leftEnd = core::RoundToInt32(horizontal ? half : -half);
        QScrollBar* bar = horizontal ? d.HScrollOffSetHoriz : d.HScrollOffSetVert;
        EXPECT_EQ(bar->minimum(), std::min(leftEnd, -leftEnd)) << row.position << row.wide;
        EXPECT_EQ(bar->maximum(), std::max(leftEnd, -leftEnd)) << row.position << row.wide;
        EXPECT_EQ(bar->invertedAppearance(), leftEnd > 0) << row.position << row.wide;
        EXPECT_FALSE((horizontal ? d.HScrollOffSetVert : d.HScrollOffSetHoriz)->isVisible());
        EXPECT_EQ(d.lblOffsetLeft->text(), horizontal ? QStringLiteral("Lower") : QStringLiteral("Left"));
        QTest::keyClick(bar, Qt::Key_Right); // a step towards the right end
        const int value = bar->value();
        EXPECT_EQ(value, leftEnd > 0 ? -1 : 1) << row.position << row.wide;
        EXPECT_EQ(d.lblOffSetAmount->text(), QString::number(horizontal ? -value : value));
        const desk::PathOptions pending = program->Placement();
        EXPECT_EQ(horizontal ? pending.OffSetHoriz : pending.OffSetVert, value);
        EXPECT_TRUE(store.writes.isEmpty());
    }
}

TEST_F(DeskSetup, RandomPathsDisableThePlacementAndEveryChoiceReachesTheMovingWindowBeforeSaving) {
    Put({{"Movement", "1"}, {"Horizontal", "1"}, {"OffSetHoriz", "300"}});
    desk::frmSetup& d = Open();
    ShowPage(d, QStringLiteral("Position"));
    EXPECT_EQ(d.lblOffSetAmount->text(), QStringLiteral("-300"));
    Click(d.optPosition[2]);
    EXPECT_EQ(d.lblOffSetAmount->text(), QStringLiteral("0"));
    EXPECT_FALSE(d.fraDirection->isEnabled() || d.optHoriz[0]->isEnabled() ||
                 d.HScrollOffSetHoriz->isEnabled());
    Click(d.optPosition[0]);
    EXPECT_EQ(d.lblOffSetAmount->text(), QStringLiteral("-300"));
    EXPECT_TRUE(d.optHoriz[0]->isEnabled() && d.HScrollOffSetHoriz->isEnabled());
    const struct {
        QRadioButton* button;
        int desk::PathOptions::*field;
        int value;
    } rows[] = {{d.optHoriz[2], &desk::PathOptions::Horizontal, 2},
                {d.optHorizDirect[1], &desk::PathOptions::HorizDirection, 1},
                {d.optPosition[1], &desk::PathOptions::Position, 1},
                {d.optVert[1], &desk::PathOptions::Vertical, 1},
                {d.optVertDirect[1], &desk::PathOptions::VertDirection, 1}};
    for (const auto& row : rows) {
        Click(row.button);
        EXPECT_EQ(program->Placement().*row.field, row.value);
    }
    EXPECT_EQ(program->Path().Direction, QStringLiteral("Upward")); // the run was prepared again
    EXPECT_TRUE(store.writes.isEmpty());
    Click(d.cmdCancel);
    Settle();
    EXPECT_EQ(program->Placement().Position, 0); // the loaded values once the dialog is gone
}

// The end-to-end dialog test keeps an icon that was on; here OK with the box cleared removes it.
TEST_F(DeskSetup, TheIconFollowsTheSavedSetting) {
    Put("TrayNotification", "1");
    desk::frmSetup& d = Reopen();
    ASSERT_TRUE(program->TrayIcon());
    ShowPage(d, QStringLiteral("General"));
    Click(d.chkTrayNotification);
    Click(d.cmdOK);
    Settle();
    EXPECT_FALSE(program->TrayIcon());
    EXPECT_FALSE(program->SettingsDialog()); // nothing keeps the dialog loaded
}

// Every field the dialog compares with the loaded settings: changed through its control, OK and Apply
// come on; changed back, or taken back by Restore, they go off again.
TEST_F(DeskSetup, EachComparedFieldTurnsOKAndApplyOnAndItsUndoOrRestoreOff) {
    using D = desk::frmSetup;
    using E = input::Edits<D>;
    using Edit = E::Edit;
    const auto font = [](std::function<void(ui::FontChoice&, bool)> change) {
        return E::Font([](D& d) { return d.cmdFormatText; }, change);
    };
    // A stored date that cannot be read opens as no change; a typed date is one, and Restore takes it back.
    const Edit unreadableDate = [](D& d, bool back) {
        if (back)
            Click(d.cmdRestoreSettings);
        else
            Retype(d.dateEntry->txtDate, core::FormatShortDate(QDate(2025, 7, 13)));
    };
    const Edit background = [](D& d, bool) { input::FlipColor(d.cmdBackground); };
    using Keys = std::vector<std::pair<const char*, const char*>>;
    const Keys vertical{{"Position", "1"}};
    const struct {
        const char *field, *page;
        Keys stored;
        Edit edit;
    } rows[] = {
        {"Synchronize", "General", {}, E::Box(&D::chkSynchronize)},
        {"RunStartup", "General", {}, E::Box(&D::chkRunStartup)},
        {"TrayNotification", "General", {}, E::Box(&D::chkTrayNotification)},
        {"TopMost", "General", {}, E::Box(&D::chkTopMost)},
        {"ToolTips", "General", {}, E::Box(&D::chkToolTips)},
        {"Title", "General", {}, E::Text(&D::txtTitle)},
        {"Target", "General", {}, E::Text(&D::txtTarget)},
        {"TargetPassed", "General", {}, E::Text(&D::txtTargetPassed)},
        {"Date", "General", {}, E::Date},
        {"Date", "General", {{"Date", "next summer"}}, unreadableDate},
        {"RepeatYearly", "General", {}, E::Box(&D::chkRepeatYearly)},
        {"NotifyOnTarget", "General", {}, E::Box(&D::chkNotifyOnTarget)},
        {"TextFontName", "Style", {}, font([](ui::FontChoice& f, bool back) {
             f.Name = back ? f.Name.chopped(1) : f.Name + u'x';
         })},
        {"TextFontSize", "Style", {}, font([](ui::FontChoice& f, bool back) { f.Size += back ? -1 : 1; })},
        {"TextFontColor", "Style", {}, font([](ui::FontChoice& f, bool) { f.Color ^= 1; })},
        {"TextFontBold", "Style", {}, font([](ui::FontChoice& f, bool) { f.Bold = !f.Bold; })},
        {"TextFontItalic", "Style", {}, font([](ui::FontChoice& f, bool) { f.Italic = !f.Italic; })},
        {"TextFontStrikethru", "Style", {}, font([](ui::FontChoice& f, bool) {
             f.Strikethru = !f.Strikethru;
         })},
        {"TextFontUnderline", "Style", {}, font([](ui::FontChoice& f, bool) { f.Underline = !f.Underline; })},
        {"BackgroundColor", "Style", {}, background},
        {"Style", "Style", {}, E::Radio<2>(&D::optStyle)},
        {"Transparent", "Style", {}, E::Box(&D::chkTransparent)},
        {"IncludeDays", "Style", {}, E::Box(&D::chkDays)},
        {"Movement", "Movement", {}, E::Box(&D::chkMovementEnable)},
        {"Speed", "Movement", {}, E::Bar(&D::HScrollSpeed)},
        {"Interval", "Movement", {}, E::Bar(&D::HScrollInterval)},
        {"Position", "Position", {}, E::Radio<3>(&D::optPosition)},
        {"Horizontal", "Position", {}, E::Radio<3>(&D::optHoriz)},
        {"HorizDirection", "Position", {}, E::Radio(&D::optHorizDirect)},
        {"OffSetHoriz", "Position", {{"Horizontal", "1"}}, E::Bar(&D::HScrollOffSetHoriz)},
        {"Vertical", "Position", vertical, E::Radio<3>(&D::optVert)},
        {"VertDirection", "Position", vertical, E::Radio(&D::optVertDirect)},
        {"OffSetVert", "Position", {{"Position", "1"}, {"Vertical", "1"}}, E::Bar(&D::HScrollOffSetVert)}};
    for (const auto& r : rows) {
        Put({{"Position", "0"}, {"Horizontal", "0"}, {"Vertical", "0"}});
        Put({{"Movement", "1"}, {"Speed", "40"}, {"Interval", "5"}});
        Put("Date", "2025-07-13", Section::Common);
        for (const auto& [key, value] : r.stored)
            Put(key, QString::fromLatin1(value),
                qstrcmp(key, "Date") == 0 ? Section::Common : Section::Desktop);
        desk::frmSetup& d = Reopen();
        ShowPage(d, QString::fromLatin1(r.page));
        ASSERT_FALSE(d.cmdOK->isEnabled() || d.cmdApply->isEnabled() || d.cmdRestoreSettings->isEnabled())
            << r.field;
        r.edit(d, false);
        EXPECT_TRUE(d.cmdOK->isEnabled() && d.cmdApply->isEnabled()) << r.field;
        EXPECT_EQ(d.cmdCancel->text(), QStringLiteral("Cancel")) << r.field;
        r.edit(d, true);
        EXPECT_FALSE(d.cmdOK->isEnabled() || d.cmdApply->isEnabled()) << r.field;
        r.edit(d, false);
        Click(d.cmdRestoreSettings);
        EXPECT_FALSE(d.SettingsChanged() || d.cmdOK->isEnabled() || d.cmdApply->isEnabled()) << r.field;
        EXPECT_EQ(d.cmdCancel->text(), QStringLiteral("Close")) << r.field;
        // Restore shows the loaded value in the control too: an edit from there and its undo leave no change.
        r.edit(d, false);
        r.edit(d, true);
        EXPECT_FALSE(d.cmdOK->isEnabled() || d.cmdApply->isEnabled()) << r.field << " after Restore";
    }
}

} // namespace

// Another program saves while the dialog holds an edit: the dialog shows the values saved there for what
// the user left alone, keeps the edit, and Apply stores both (which fields follow is DeskSetupRules'
// table; the window's rebuild the end-to-end follow test's).
TEST_F(DeskSetup, ASaveFromOutsideRebuildsTheWindowAndFillsInWhatTheUserLeftAlone) {
    Put("Title", "Before", Section::Common);
    Put("TextFontSize", "16");
    desk::frmSetup& d = Open();
    ShowPage(d, QStringLiteral("Style"));
    input::ChooseFont(d.cmdFormatText, [](ui::FontChoice& c) { c.Size = 24; });
    ASSERT_TRUE(d.cmdApply->isEnabled());

    Put("Title", "From the screensaver", Section::Common);
    Put("Date", "2025-12-24", Section::Common);
    program->SettingsChangedOutside();
    Settle();
    EXPECT_EQ(d.txtTitle->text(), QStringLiteral("From the screensaver"));
    EXPECT_EQ(d.dateEntry->txtDate->text(), core::FormatShortDate(QDate(2025, 12, 24)));
    EXPECT_EQ(d.Pending().TextFontSize, 24);
    EXPECT_TRUE(d.cmdApply->isEnabled());

    Click(d.cmdApply);
    Settle();
    EXPECT_EQ(Stored("Title", Section::Common), QStringLiteral("From the screensaver"));
    EXPECT_EQ(core::ParseDateText(Stored("Date", Section::Common)), QDate(2025, 12, 24));
    EXPECT_EQ(Stored("TextFontSize"), QStringLiteral("24"));
}
