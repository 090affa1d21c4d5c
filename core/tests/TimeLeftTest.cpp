#include "TimeLeft.h"
#include "Clock.h"
#include "DeskTimeLeft.h"
#include "SaverTimeLeft.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// Expected texts are written with a middle dot for each blank, so the blanks can be counted.
const auto Dots = [](const char* text) { return QString::fromUtf8(text).replace(QChar(0x00B7), u' '); };

const QString kTitle = QStringLiteral("Main Title Text (Change this!!)");
const QString kTarget = QStringLiteral("TARGET");
const QString kPassed = QStringLiteral("PASSED");

struct Row {
    QDate today, target;
    int includeDays;
    const char* timeLine; // the screensaver's second line; '@T' and '@P' stand for the two phrases
    int state;
    const char* totalDays;
};

QString Expand(const char* line) {
    QString s = Dots(line);
    s.replace(QStringLiteral("@T"), kTarget);
    s.replace(QStringLiteral("@P"), kPassed);
    return s;
}

const QDate kMay10{2024, 5, 10};

// The screensaver dialog's sample test shows 13 July 2025 from 10 May 2024 with and without the day
// count, the target day, and a date 5 days past without the box ticked; the print test prints the first
// and the desktop's other forms of the text.
const Row kRows[] = {
    // Worked examples.
    {kMay10, {2025, 5, 10}, 1, "·1·year!", 0, ""},
    {kMay10, {2025, 5, 9}, 1, "·11·months··29·days!···(364·days!)", 0, "···(364·days!)"},
    {kMay10, {2024, 5, 9}, 1, "@P···(1·day·ago!)", 2, "···(1·day·ago!)"},
    {kMay10, {2024, 5, 8}, 1, "@P···(2·days·ago!)", 2, "···(2·days·ago!)"},
    // A month count of 0 drops the total, whatever the years.
    {kMay10, {2023, 5, 20}, 1, "@P", 2, ""},
    // Month ends and leap days.
    {{2024, 1, 31}, {2024, 3, 1}, 0, "·1·month··1·day!", 0, "···(30·days!)"},
    {{2023, 1, 30}, {2023, 2, 28}, 0, "·29·days!", 0, ""},
    {{2024, 2, 29}, {2025, 2, 28}, 1, "·11·months··30·days!···(365·days!)", 0, "···(365·days!)"},
    {{2023, 2, 28}, {2024, 2, 29}, 1, "·1·year··1·day!", 0, ""},
    {{2024, 1, 1}, {2026, 3, 1}, 1, "·2·years··2·months!···(790·days!)", 0, "···(790·days!)"},
    {{2024, 1, 1}, {2025, 2, 2}, 1, "·1·year··1·month··1·day!···(398·days!)", 0, "···(398·days!)"},
    // The supported bounds.
    {{1753, 1, 1}, {1753, 1, 2}, 0, "·1·day!", 0, ""},
    {{9999, 12, 30}, {9999, 12, 31}, 0, "·1·day!", 0, ""},
    {{9999, 12, 31}, {1753, 1, 1}, 0, "@P", 2, ""},
    {{9999, 12, 31}, {1753, 2, 1}, 0, "@P···(3012122·days·ago!)", 2, "···(3012122·days·ago!)"}};

TEST(TimeLeft, ScreenSaverLinesForEveryRow) {
    for (const Row& r : kRows) {
        core::ScopedToday today(r.today);
        saver::DisplayTexts out;
        const QString failure =
            saver::CalculateTimeLeft(r.target, {kTitle, kTarget, kPassed, r.includeDays, 0}, out);
        ASSERT_TRUE(failure.isEmpty());
        const QString where =
            r.today.toString(Qt::ISODate) + QStringLiteral(" -> ") + r.target.toString(Qt::ISODate);
        EXPECT_EQ(out.TimeLine, Expand(r.timeLine)) << where.toStdString();
        EXPECT_EQ(out.DisplayState, r.state) << where.toStdString();
        EXPECT_EQ(out.EventLine, r.state == 0 ? kTitle : QString()) << where.toStdString();
        EXPECT_EQ(out.TotalDaysText, Dots(r.totalDays)) << where.toStdString();
    }
}

TEST(TimeLeft, AFailureKeepsTheDisplayAndGivesTheProgramsMessage) {
    core::ScopedToday today(kMay10);
    const core::TargetDate bad[] = {QStringLiteral("not a date"), QString(), QDate(1752, 12, 31), QDate(),
                                    QStringLiteral("31/12/10000")};
    for (const auto& target : bad) {
        saver::DisplayTexts s{QStringLiteral("event"), QStringLiteral("time"), 2, QStringLiteral("total")};
        // The message's lines are the print test's; a message box shows two empty lines after them.
        const QString sm = saver::CalculateTimeLeft(target, {kTitle, kTarget, kPassed, 1, 0}, s);
        EXPECT_TRUE(sm.startsWith(QStringLiteral("The Date")) && sm.endsWith(QStringLiteral("9999\r\n\r\n")));
        EXPECT_EQ(s.EventLine, QStringLiteral("event"));
        EXPECT_EQ(s.TimeLine, QStringLiteral("time"));
        EXPECT_EQ(s.DisplayState, 2);
        EXPECT_EQ(s.TotalDaysText, QStringLiteral("total"));

        desk::DisplayTexts d{QStringLiteral("phrase"), QStringLiteral("display"), true,
                             QStringLiteral("total")};
        const QString dm = desk::CalculateTimeLeft(target, {kTitle, kTarget, kPassed, 1, 0, 0}, d);
        EXPECT_TRUE(dm.startsWith(QStringLiteral("The Date")) && dm.endsWith(QStringLiteral("9999\r\n\r\n")));
        EXPECT_EQ(d.PhraseText, QStringLiteral("phrase"));
        EXPECT_EQ(d.DisplayText, QStringLiteral("display"));
        EXPECT_TRUE(d.TargetReached);
    }
}

// Over every pair of dates in a window of years with leap years, month ends and year ends, the counts
// must rebuild the target exactly and stay inside their ranges.
TEST(TimeLeft, SweepOfDatePairsRebuildsTheTarget) {
    int pairs = 0;
    for (QDate today(2023, 1, 1); today <= QDate(2025, 12, 31); today = today.addDays(3)) {
        for (int ahead = 1; ahead <= 1200; ahead += (ahead < 70 ? 1 : 7)) {
            const QDate target = today.addDays(ahead);
            const auto r = core::ComputeTimeLeft(today, target);
            ASSERT_TRUE(r.has_value());
            ++pairs;
            SCOPED_TRACE(today.toString(Qt::ISODate).toStdString() + " -> " +
                         target.toString(Qt::ISODate).toStdString());
            ASSERT_EQ(r->TotalDays, ahead);
            ASSERT_TRUE(r->Years >= 0 && r->Months >= 0 && r->Months <= 11 && r->Days >= 0 && r->Days <= 30)
                << r->Years << " " << r->Months << " " << r->Days;
            ASSERT_EQ(r->Anchor, today.addMonths(12 * r->Years + r->Months));
            ASSERT_EQ(r->Anchor.addDays(r->Days), target);
            ASSERT_TRUE(r->Phrase.startsWith(u' ') && r->Phrase.endsWith(u'!')) << r->Phrase.toStdString();
            ASSERT_FALSE(r->Phrase.contains(QStringLiteral("   ")));
        }
    }
    EXPECT_GT(pairs, 50000);
}

} // namespace
