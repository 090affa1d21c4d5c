#include "frmSetup.h"
#include "Clock.h"
#include "DateEntry.h"
#include "DialogInput.h"
#include "MemoryStore.h"
#include "MessageLog.h"
#include "QtPrinters.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace {

using core::Section;
using input::Click;
using input::Retype;
const QDate kToday{2024, 5, 10};

// The screensaver's state as the program has it when the dialog opens: loaded settings, the picture
// copy and the texts computed for the stored date.
class SetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setApplicationName(QStringLiteral("Pellmora"));
        store.Put(Section::Common, QStringLiteral("Date"), QStringLiteral("2025-07-13"));
        store.Put(Section::ScreenSaver, QStringLiteral("Title"), QStringLiteral("own title"));
    }
    void Open() {
        const auto loadedAll = saver::LoadSettings(store, QSizeF(28800, 16200));
        loaded = loadedAll.settings;
        image = loadedAll.image;
        (void)saver::CalculateTimeLeft(
            loaded.Date,
            {loaded.Title, loaded.Target, loaded.TargetPassed, loaded.IncludeDays, loaded.RepeatYearly},
            texts);
        dialog = std::make_unique<saver::frmSetup>(loaded, image, texts, store, saver::SetupEnvironment{});
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get(), 60000));
        store.writes.clear();
    }
    bool Changed() const {
        const bool caption = dialog->cmdCancel->text() == u"Cancel";
        EXPECT_EQ(caption, dialog->cmdOK->isEnabled());
        EXPECT_EQ(caption, dialog->cmdRestoreSettings->isEnabled());
        return caption;
    }

    core::ScopedToday today{kToday};
    MemoryStore store;
    saver::LoadedSettings loaded;
    saver::PendingImage image;
    saver::DisplayTexts texts;
    std::unique_ptr<saver::frmSetup> dialog;
};

TEST_F(SetupTest, StoredValuesTheControlsCannotShowAreNoChange) {
    const struct {
        Section section;
        const char *key, *stored;
    } rows[] = {
        {Section::Common, "Date", "1500-01-01"}, // a date, but before the first one supported
        {Section::ScreenSaver, "ImageUsed", "-1"},
        {Section::Common, "Date", "next summer"} // last: the checks below go on from it
    };
    for (const auto& r : rows) {
        dialog.reset();
        store.values.clear();
        SetUp();
        store.Put(r.section, QString::fromLatin1(r.key), QString::fromLatin1(r.stored));
        Open();
        EXPECT_FALSE(Changed()) << r.stored;
    }
    // An unreadable stored date is shown as stored, with the range error; typing a date is a change and
    // Restore takes it back.
    EXPECT_EQ(dialog->dateEntry->txtDate->text(), QStringLiteral("next summer"));
    EXPECT_TRUE(dialog->dateEntry->fraDateRangeMsg->isVisible() &&
                !dialog->dateEntry->cmdCalendar->isEnabled());
    Retype(dialog->dateEntry->txtDate, QStringLiteral("2026-01-01"));
    EXPECT_TRUE(Changed());
    Click(dialog->cmdRestoreSettings);
    EXPECT_FALSE(Changed());
}

// Every field the dialog compares with the loaded settings: changed through its control, OK and Restore
// come on; changed back, they go off again.
TEST_F(SetupTest, EachComparedFieldTurnsTheButtonsOnAndItsUndoOff) {
    using D = saver::frmSetup;
    using E = input::Edits<D>;
    using Edit = E::Edit;
    const auto font = [](int slot, std::function<void(ui::FontChoice&, bool)> change) {
        return E::Font([slot](D& d) { return d.cmdFormat[slot]; }, change);
    };
    const Edit background = [](D& d, bool) { input::FlipColor(d.cmdBackground); };
    const struct {
        const char* field;
        const char* position; // the stored path kind
        Edit edit;
    } rows[] = {
        {"Synchronize", "0", E::Box(&D::chkSynchronize)},
        {"Title", "0", E::Text(&D::txtTitle)},
        {"Target", "0", E::Text(&D::txtTarget)},
        {"TargetPassed", "0", E::Text(&D::txtTargetPassed)},
        {"Date", "0", E::Date},
        {"RepeatYearly", "0", E::Box(&D::chkRepeatYearly)},
        {"Background", "0", background},
        {"Style", "0", E::Radio<2>(&D::optStyle)},
        {"IncludeDays", "0", E::Box(&D::chkDays)},
        {"Position", "0", E::Radio<3>(&D::optPosition)},
        {"Horizontal", "0", E::Radio<3>(&D::optHoriz)},
        {"Direction and HorizDirection", "0", E::Radio(&D::optDirection)},
        {"Vertical", "1", E::Radio<3>(&D::optVert)},
        {"Direction and VertDirection", "1", E::Radio(&D::optDirection)},
        {"Speed", "0", E::Bar(&D::HScrollSpeed)},
        {"ImageUsed", "0", E::Box(&D::chkImage)},
        {"TextFontName", "0",
         font(0, [](ui::FontChoice& f, bool back) { f.Name = back ? f.Name.chopped(1) : f.Name + u'x'; })},
        {"TextFontSize", "0", font(1, [](ui::FontChoice& f, bool back) { f.Size += back ? -1 : 1; })},
        {"TextFontColor", "0", font(2, [](ui::FontChoice& f, bool) { f.Color ^= 1; })},
        {"TextFontBold", "0", font(0, [](ui::FontChoice& f, bool) { f.Bold = !f.Bold; })},
        {"TextFontItalic", "0", font(1, [](ui::FontChoice& f, bool) { f.Italic = !f.Italic; })},
        {"TextFontStrikethru", "0", font(2, [](ui::FontChoice& f, bool) { f.Strikethru = !f.Strikethru; })},
        {"TextFontUnderline", "0", font(0, [](ui::FontChoice& f, bool) { f.Underline = !f.Underline; })}};
    for (const auto& r : rows) {
        const bool vertical = *r.position == '1'; // a vertical path is stored with a vertical direction
        store.Put(Section::ScreenSaver, QStringLiteral("Position"), QString::fromLatin1(r.position));
        store.Put(Section::ScreenSaver, QStringLiteral("Direction"),
                  vertical ? QStringLiteral("2") : QStringLiteral("0"));
        Open();
        ASSERT_FALSE(Changed()) << r.field;
        r.edit(*dialog, false);
        EXPECT_TRUE(Changed()) << r.field;
        r.edit(*dialog, true);
        EXPECT_FALSE(Changed()) << r.field;
    }
}

TEST_F(SetupTest, SynchronizeReloadsTheTextsOfTheOtherSection) {
    store.Put(Section::ScreenSaver, QStringLiteral("RepeatYearly"), QStringLiteral("1"));
    Open();
    ASSERT_TRUE(dialog->chkSynchronize->isChecked());
    EXPECT_FALSE(dialog->chkRepeatYearly->isChecked());
    Click(dialog->chkSynchronize);
    EXPECT_EQ(dialog->txtTitle->text(), QStringLiteral("own title"));
    EXPECT_TRUE(dialog->chkRepeatYearly->isChecked());
    EXPECT_EQ(dialog->Pending().Title, QStringLiteral("own title"));
    EXPECT_EQ(dialog->Pending().Synchronize, 0);
    // Never saved in its own section: the date shown is today.
    EXPECT_EQ(dialog->dateEntry->PendingDate(), kToday);
    EXPECT_TRUE(Changed());
    Click(dialog->chkSynchronize);
    EXPECT_EQ(dialog->txtTitle->text(), QStringLiteral("Main Title Text (Change this!!)"));
    EXPECT_FALSE(Changed());
}

TEST_F(SetupTest, SampleFollowsTheStateOfTheTargetDate) {
    Open();
    EXPECT_EQ(dialog->lblSampleText->text(), QStringLiteral("Main Title Text (Change this!!)"));
    EXPECT_EQ(dialog->lblSampleDate->text(), QStringLiteral(" 1 year  2 months  3 days!"));
    EXPECT_TRUE(dialog->lblSampleDate->isVisible());
    Click(dialog->chkDays);
    EXPECT_EQ(dialog->lblSampleDate->text(), QStringLiteral(" 1 year  2 months  3 days!   (429 days!)"));

    Retype(dialog->dateEntry->txtDate, kToday.toString(Qt::ISODate));
    EXPECT_EQ(dialog->lblSampleText->text(),
              QStringLiteral("Phrase upon reaching target date. (Change this!!)"));
    EXPECT_FALSE(dialog->lblSampleDate->isVisible());
    const int oneLine = dialog->lblSampleText->height();

    Click(dialog->chkDays); // the days are shown after the target whatever the box says
    Retype(dialog->dateEntry->txtDate, QStringLiteral("2024-05-05"));
    EXPECT_EQ(dialog->lblSampleText->text(),
              QStringLiteral("Phrase when target date has passed. (Change this!!)   (5 days ago!)"));
    EXPECT_EQ(dialog->lblSampleText->height(), oneLine);
    EXPECT_FALSE(dialog->lblSampleDate->isVisible());

    // Repeating, the passed date counts to its return next year; Restore Settings clears the box.
    Click(dialog->chkRepeatYearly);
    EXPECT_EQ(dialog->lblSampleText->text(), QStringLiteral("Main Title Text (Change this!!)"));
    EXPECT_EQ(dialog->lblSampleDate->text(), QStringLiteral(" 11 months  25 days!"));
    Click(dialog->cmdRestoreSettings);
    EXPECT_FALSE(dialog->chkRepeatYearly->isChecked());
    EXPECT_EQ(dialog->Pending().RepeatYearly, 0);
}

TEST_F(SetupTest, RandomPathsDisableThePlacementAndHorizontalBringsBackItsDirection) {
    store.Put(Section::ScreenSaver, QStringLiteral("Direction"), QStringLiteral("1"));
    store.Put(Section::ScreenSaver, QStringLiteral("HorizDirection"), QStringLiteral("1"));
    Open();
    EXPECT_TRUE(dialog->optDirection[1]->isChecked());
    Click(dialog->optPosition[1]);
    EXPECT_TRUE(dialog->fraVert->isVisible());
    EXPECT_FALSE(dialog->fraHoriz->isVisible());
    EXPECT_TRUE(dialog->optDirection[2]->isChecked()); // the stored vertical direction: downward
    EXPECT_EQ(dialog->Pending().Direction, 2);
    Click(dialog->optPosition[2]);
    EXPECT_FALSE(dialog->fraPlacement->isEnabled() || dialog->optHoriz[0]->isEnabled());
    Click(dialog->optPosition[0]);
    EXPECT_TRUE(dialog->optHoriz[0]->isEnabled());
    EXPECT_TRUE(dialog->optDirection[1]->isChecked());
    EXPECT_EQ(dialog->Pending().Direction, 1);
    EXPECT_FALSE(Changed());
}

TEST_F(SetupTest, FileImageNeedsAFileAndRestoreKeepsThePictureChoice) {
    Open();
    Click(dialog->chkImage);
    EXPECT_TRUE(dialog->cmdImage->isEnabled());
    EXPECT_TRUE(dialog->optImageStyle[0]->isEnabled());
    EXPECT_FALSE(dialog->optImageStyle[1]->isEnabled());
    EXPECT_EQ(dialog->lblFileImage->text(), QStringLiteral("No Image"));
    EXPECT_EQ(dialog->lblBaseImage->text(), QStringLiteral("Logo"));

    // A picture chosen in the browser, then a font change; Restore undoes the font only.
    image.ImageIndex = 5;
    image.ImageTag = QStringLiteral("Mountains");
    dialog->chkImage_Click();
    input::ChooseFont(dialog->cmdFormat[1], [](ui::FontChoice& c) {
        c.Size = 20;
        c.Italic = true;
    });
    EXPECT_EQ(dialog->Pending().TextFontSize[1], 20);
    EXPECT_TRUE(dialog->Pending().TextFontItalic[1]);
    Click(dialog->cmdRestoreSettings);
    EXPECT_EQ(dialog->Pending().TextFontSize[1], 16);
    EXPECT_FALSE(dialog->Pending().TextFontItalic[1]);
    EXPECT_EQ(image.ImageTag, QStringLiteral("Mountains"));
    EXPECT_EQ(dialog->lblBaseImage->text(), QStringLiteral("Mountains"));
    EXPECT_TRUE(Changed()); // the picture still differs from the stored one
}

// What each key stores is the settings test's, an edited title saved by OK the end-to-end dialog test's;
// here OK saves once, with a vertical direction that only the dialog's direction buttons set.
TEST_F(SetupTest, OkSavesOnceAndCloses) {
    Open();
    Click(dialog->optPosition[1]);
    Click(dialog->optDirection[3]);
    Click(dialog->cmdOK);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(store.commits, 1);
    const auto back = saver::LoadSettings(store, {}).settings;
    EXPECT_EQ(back.Direction, 3);
    EXPECT_EQ(back.VertDirection, 3);
    EXPECT_EQ(back.HorizDirection, 0);
}

TEST_F(SetupTest, ABadDateOrAStoreThatCannotBeWrittenKeepsTheDialogOpen) {
    const struct {
        const char* date;
        bool failCommit;
        const char* message; // empty: none
    } rows[] = {{"not a date", false, ""}, {"2026-06-20", true, "The settings could not be saved."}};
    for (const auto& r : rows) {
        Open();
        Retype(dialog->txtTitle, QStringLiteral("Our wedding"));
        Retype(dialog->dateEntry->txtDate, QString::fromLatin1(r.date));
        store.failCommit = r.failCommit;
        const MessageLog log;
        Click(dialog->cmdOK);
        const QStringList shown = log.Texts();
        EXPECT_TRUE(dialog->isVisible()) << r.date;
        EXPECT_EQ(dialog->dateEntry->fraDateRangeMsg->isVisible(), !r.failCommit) << r.date;
        EXPECT_EQ(shown.size(), *r.message ? 1 : 0) << r.date;
        if (*r.message)
            EXPECT_TRUE(shown.value(0).startsWith(QString::fromLatin1(r.message)));
        else
            EXPECT_TRUE(dialog->dateEntry->txtDate->hasFocus() && store.writes.isEmpty());
    }
}

} // namespace
