#include "DeskSetupRules.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using desk::LoadedSettings;

LoadedSettings Loaded() {
    LoadedSettings s;
    s.Title = QStringLiteral("Holiday");
    s.Target = QStringLiteral("Today!");
    s.TargetPassed = QStringLiteral("Gone");
    s.Date = QStringLiteral("2025-07-13");
    s.TextFontName = QStringLiteral("Arial");
    return s;
}

TEST(DeskSetupRules, EveryEditedFieldCountsAsAChange) {
    const QDate date(2025, 7, 13);
    const struct {
        const char* field;
        std::function<void(LoadedSettings&)> edit;
    } cases[] = {
        {"Synchronize", [](LoadedSettings& p) { p.Synchronize = 0; }},
        {"RunStartup", [](LoadedSettings& p) { p.RunStartup = 0; }},
        {"TrayNotification", [](LoadedSettings& p) { p.TrayNotification = 0; }},
        {"TopMost", [](LoadedSettings& p) { p.TopMost = 1; }},
        {"ToolTips", [](LoadedSettings& p) { p.ToolTips = 0; }},
        {"Title", [](LoadedSettings& p) { p.Title += u' '; }},
        {"Target", [](LoadedSettings& p) { p.Target = QStringLiteral("today!"); }},
        {"TargetPassed", [](LoadedSettings& p) { p.TargetPassed.clear(); }},
        {"RepeatYearly", [](LoadedSettings& p) { p.RepeatYearly = 1; }},
        {"TextFontName", [](LoadedSettings& p) { p.TextFontName = QStringLiteral("Serif"); }},
        {"TextFontSize", [](LoadedSettings& p) { p.TextFontSize = 17; }},
        {"TextFontColor", [](LoadedSettings& p) { p.TextFontColor = 0; }},
        {"TextFontBold", [](LoadedSettings& p) { p.TextFontBold = false; }},
        {"TextFontItalic", [](LoadedSettings& p) { p.TextFontItalic = true; }},
        {"TextFontStrikethru", [](LoadedSettings& p) { p.TextFontStrikethru = true; }},
        {"TextFontUnderline", [](LoadedSettings& p) { p.TextFontUnderline = true; }},
        {"BackgroundColor", [](LoadedSettings& p) { p.BackgroundColor = 1; }},
        {"Style", [](LoadedSettings& p) { p.Style = 1; }},
        {"Transparent", [](LoadedSettings& p) { p.Transparent = 0; }},
        {"IncludeDays", [](LoadedSettings& p) { p.IncludeDays = 1; }},
        {"Position", [](LoadedSettings& p) { p.Position = 2; }},
        {"Horizontal", [](LoadedSettings& p) { p.Horizontal = 1; }},
        {"Vertical", [](LoadedSettings& p) { p.Vertical = 2; }},
        {"HorizDirection", [](LoadedSettings& p) { p.HorizDirection = 1; }},
        {"VertDirection", [](LoadedSettings& p) { p.VertDirection = 1; }},
        {"Movement", [](LoadedSettings& p) { p.Movement = 1; }},
        {"Speed", [](LoadedSettings& p) { p.Speed = 99; }},
        {"Interval", [](LoadedSettings& p) { p.Interval = 1; }},
        {"OffSetHoriz", [](LoadedSettings& p) { p.OffSetHoriz = -1; }},
        {"OffSetVert", [](LoadedSettings& p) { p.OffSetVert = 1; }},
    };
    const LoadedSettings loaded = Loaded();
    EXPECT_FALSE(desk::SettingsDiffer(loaded, date, loaded));
    for (const auto& c : cases) {
        LoadedSettings pending = loaded;
        c.edit(pending);
        EXPECT_TRUE(desk::SettingsDiffer(pending, date, loaded)) << c.field;
    }
}

TEST(DeskSetupRules, TheDateIsComparedAsADate) {
    const LoadedSettings loaded = Loaded();
    const struct {
        QDate pending;
        bool differs;
    } cases[] = {
        {QDate(2025, 7, 13), false},
        {QDate(2025, 7, 14), true},
        {QDate(2024, 7, 13), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(desk::SettingsDiffer(loaded, c.pending, loaded), c.differs)
            << c.pending.toString().toStdString();
    // A stored text that names no date never equals the pending date.
    LoadedSettings broken = loaded;
    broken.Date = QStringLiteral("not a date");
    EXPECT_TRUE(desk::SettingsDiffer(broken, QDate(2025, 7, 13), broken));
}

TEST(DeskSetupRules, SampleCaption) {
    desk::DisplayTexts ahead;
    ahead.PhraseText = QStringLiteral(" in 3 days");
    ahead.TotalDaysText = QStringLiteral(" (3 days)");
    ahead.DisplayText = QStringLiteral("ignored while the target lies ahead");
    desk::DisplayTexts noDays = ahead;
    noDays.TotalDaysText.clear();
    desk::DisplayTexts reached;
    reached.TargetReached = true;
    reached.DisplayText = QStringLiteral("Gone\r\n(2 days)");
    reached.TotalDaysText = QStringLiteral("(2 days)");

    const struct {
        const char* name;
        const desk::DisplayTexts& texts;
        std::int32_t style;
        std::int32_t includeDays;
        QString text;
        std::optional<bool> daysEnabled;
    } cases[] = {
        {"one line", ahead, 0, 0, QStringLiteral("Title in 3 days"), true},
        {"one line with days", ahead, 0, 1, QStringLiteral("Title in 3 days (3 days)"), true},
        {"two lines", ahead, 1, 0, QStringLiteral("Title\n in 3 days"), true},
        {"two lines with days", ahead, 1, 1, QStringLiteral("Title\n in 3 days (3 days)"), true},
        {"no day count to add", noDays, 0, 1, QStringLiteral("Title in 3 days"), false},
        {"target reached shows the display text", reached, 0, 1, QStringLiteral("Gone\n(2 days)"), {}},
    };
    for (const auto& c : cases) {
        LoadedSettings pending = Loaded();
        pending.Title = QStringLiteral("Title");
        pending.Style = c.style;
        pending.IncludeDays = c.includeDays;
        const desk::SampleCaption s = desk::SampleFor(c.texts, pending);
        EXPECT_EQ(s.Text, c.text) << c.name;
        EXPECT_EQ(s.DaysEnabled, c.daysEnabled) << c.name;
    }
}

TEST(DeskSetupRules, DialogPauseTimer) {
    const struct {
        std::int32_t interval;
        std::int32_t ms;
    } cases[] = {{-1, 1}, {0, 1}, {1, 60000}, {360, 60000}};
    for (const auto& c : cases)
        EXPECT_EQ(desk::DialogIntervalTimerMs(c.interval), c.ms) << c.interval;
}

TEST(DeskSetupRules, PositionPageByPathKind) {
    const struct {
        const char* name;
        desk::PathOptions options;
        std::optional<bool> showHoriz;
        bool frameEnabled, horizDirect, vertDirect, horizPlace, vertPlace, offsetEnabled;
        const char* left;
        const char* right;
        std::optional<std::int32_t> horizValue, vertValue;
        const char* amount;
    } cases[] = {
        {"horizontal, centred",
         {0, 1, 0, 0, 0, 120, 40},
         true,
         true,
         true,
         false,
         true,
         true,
         true,
         "Lower",
         "Higher",
         120,
         {},
         "-120"},
        {"horizontal, top",
         {0, 0, 1, 0, 0, -300, 40},
         true,
         true,
         true,
         false,
         true,
         true,
         false,
         "Lower",
         "Higher",
         -300,
         {},
         "300"},
        {"horizontal, bottom",
         {0, 2, 1, 0, 0, 0, 40},
         true,
         true,
         true,
         false,
         true,
         true,
         false,
         "Lower",
         "Higher",
         0,
         {},
         "0"},
        {"vertical, centred",
         {1, 0, 1, 0, 0, 120, -40},
         false,
         true,
         false,
         true,
         true,
         true,
         true,
         "Left",
         "Right",
         {},
         -40,
         "-40"},
        {"vertical, right",
         {1, 1, 2, 0, 0, 120, 40},
         false,
         true,
         false,
         true,
         true,
         true,
         false,
         "Left",
         "Right",
         {},
         40,
         "40"},
        {"random",
         {2, 1, 1, 0, 0, 120, 40},
         {},
         false,
         false,
         false,
         false,
         false,
         false,
         "",
         "",
         {},
         {},
         "0"},
    };
    for (const auto& c : cases) {
        const desk::PositionControls p = desk::PositionControlsFor(c.options);
        EXPECT_TRUE(p.Known) << c.name;
        EXPECT_EQ(p.ShowHoriz, c.showHoriz) << c.name;
        EXPECT_EQ(p.DirectionFrameEnabled, c.frameEnabled) << c.name;
        EXPECT_EQ(p.HorizDirectEnabled, c.horizDirect) << c.name;
        EXPECT_EQ(p.VertDirectEnabled, c.vertDirect) << c.name;
        EXPECT_EQ(p.HorizPlacementEnabled, c.horizPlace) << c.name;
        EXPECT_EQ(p.VertPlacementEnabled, c.vertPlace) << c.name;
        EXPECT_EQ(p.OffsetEnabled, c.offsetEnabled) << c.name;
        EXPECT_EQ(p.OffsetLeftLabel, QString::fromUtf8(c.left)) << c.name;
        EXPECT_EQ(p.OffsetRightLabel, QString::fromUtf8(c.right)) << c.name;
        EXPECT_EQ(p.HorizSliderValue, c.horizValue) << c.name;
        EXPECT_EQ(p.VertSliderValue, c.vertValue) << c.name;
        EXPECT_EQ(p.AmountText, QString::fromUtf8(c.amount)) << c.name;
    }
    const desk::PositionControls unknown = desk::PositionControlsFor({7, 1, 1, 0, 0, 0, 0});
    EXPECT_FALSE(unknown.Known);
    EXPECT_TRUE(unknown.HorizPlacementEnabled && unknown.VertPlacementEnabled);
    EXPECT_FALSE(unknown.ShowHoriz.has_value());
}

TEST(DeskSetupRules, DialogPlaceCentresWhenOffScreen) {
    // Screen 28800 x 16200 twips, dialog 9000 x 8000.
    const struct {
        QPointF stored;
        QPointF place;
    } cases[] = {
        {{0, 0}, {0, 0}},
        {{1500, 2000}, {1500, 2000}},
        {{19800, 8200}, {19800, 8200}}, // touches the right and bottom edges exactly
        {{19801, 100}, {9900, 4100}},
        {{100, 8201}, {9900, 4100}},
        {{-1, 100}, {9900, 4100}},
        {{100, -15}, {9900, 4100}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(desk::DialogPlace(c.stored, 9000, 8000, 28800, 16200), c.place)
            << c.stored.x() << "," << c.stored.y();
}

} // namespace
