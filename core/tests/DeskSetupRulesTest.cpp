#include "DeskSetupRules.h"

#include <gtest/gtest.h>

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

TEST(DeskSetupRules, AfterAnOutsideSaveOnlyTheUsersEditsStay) {
    const LoadedSettings before = Loaded(); // dated 13 July 2025
    LoadedSettings after = before;
    after.Title = QStringLiteral("From elsewhere");
    after.TextFontSize = 30;
    after.Date = QStringLiteral("2026-01-02");
    after.RepeatYearly = 1;
    const QString typed = QStringLiteral("Typed");
    const QDate loadedDate(2025, 7, 13), pickedDate(2025, 8, 1);
    const struct {
        const char* name;
        QString title;
        std::int32_t size;
        std::optional<QDate> date;
        QString keptTitle; // empty: follows
        bool sizeKept, dateFollows;
    } rows[] = {
        {"nothing edited: all follow", before.Title, 16, loadedDate, {}, false, true},
        {"edited title and date stay", typed, 16, pickedDate, typed, false, false},
        {"edited size stays, a title typed back follows", before.Title, 20, loadedDate, {}, true, true},
        {"a date entry left invalid stays", before.Title, 16, std::nullopt, {}, false, false}};
    for (const auto& r : rows) {
        LoadedSettings pending = before;
        pending.Title = r.title;
        pending.TextFontSize = r.size;
        LoadedSettings expected = after;
        if (!r.keptTitle.isEmpty())
            expected.Title = r.keptTitle;
        if (r.sizeKept)
            expected.TextFontSize = r.size;
        if (!r.dateFollows)
            expected.Date = before.Date;
        const desk::FollowedSettings f = desk::FollowLoadedSettings(pending, r.date, before, after);
        EXPECT_EQ(f.DateFollows, r.dateFollows) << r.name;
        EXPECT_TRUE(f.Pending == expected) << r.name;
    }
}

// The dialogs' sample tests check the line break and the target day's text; here the day count and
// whether its box can be ticked.
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
        QString text;
        std::optional<bool> daysEnabled;
    } cases[] = {{"one line with days", ahead, QStringLiteral("Title in 3 days (3 days)"), true},
                 {"no day count to add", noDays, QStringLiteral("Title in 3 days"), false},
                 {"target reached leaves the box alone", reached, QStringLiteral("Gone\n(2 days)"), {}}};
    for (const auto& c : cases) {
        LoadedSettings pending = Loaded();
        pending.Title = QStringLiteral("Title");
        pending.Style = 0; // one line
        pending.IncludeDays = 1;
        const desk::SampleCaption s = desk::SampleFor(c.texts, pending);
        EXPECT_EQ(s.Text, c.text) << c.name;
        EXPECT_EQ(s.DaysEnabled, c.daysEnabled) << c.name;
    }
}

TEST(DeskSetupRules, DialogPlaceCentresWhenOffScreen) {
    // Screen 28800 x 16200 twips, dialog 9000 x 8000: at (19800, 8200) it touches the right and bottom edges.
    const struct {
        QPointF stored, place;
    } cases[] = {{{0, 0}, {0, 0}},
                 {{19800, 8200}, {19800, 8200}},
                 {{19801, 100}, {9900, 4100}},
                 {{100, 8201}, {9900, 4100}},
                 {{-1, 100}, {9900, 4100}},
                 {{100, -15}, {9900, 4100}}};
    for (const auto& c : cases)
        EXPECT_EQ(desk::DialogPlace(c.stored, 9000, 8000, 28800, 16200), c.place)
            << c.stored.x() << "," << c.stored.y();
}

} // namespace
