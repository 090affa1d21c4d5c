#include "CommandLineText.h"
#include "Clock.h"
#include "MemoryStore.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using core::Section;

TEST(PrintTexts, BothProgramsPrintTodaysTexts) {
    core::ScopedToday today(QDate(2024, 5, 10));
    MemoryStore store;
    store.Put(Section::Common, QStringLiteral("Date"), QStringLiteral("2025-07-13"));
    store.Put(Section::Desktop, QStringLiteral("IncludeDays"), QStringLiteral("1"));
    store.Put(Section::ScreenSaver, QStringLiteral("IncludeDays"), QStringLiteral("0"));

    auto d = desk::PrintTexts(store);
    EXPECT_EQ(d.exitCode, 0);
    EXPECT_EQ(d.out, QStringList{"Main Title Text (Change this!!) 1 year  2 months  3 days!   (429 days!)"});
    EXPECT_TRUE(d.err.isEmpty());

    store.Put(Section::Desktop, QStringLiteral("Style"), QStringLiteral("1"));
    d = desk::PrintTexts(store);
    EXPECT_EQ(d.out,
              (QStringList{"Main Title Text (Change this!!)", "1 year  2 months  3 days!   (429 days!)"}));

    const auto s = saver::PrintTexts(store);
    EXPECT_EQ(s.exitCode, 0);
    EXPECT_EQ(s.out, (QStringList{"Main Title Text (Change this!!)", " 1 year  2 months  3 days!"}));
}

TEST(PrintTexts, AFailedCalculationGoesToStandardErrorOnly) {
    MemoryStore store;
    store.Put(Section::Common, QStringLiteral("Date"), QStringLiteral("someday"));
    for (const auto& result : {desk::PrintTexts(store), saver::PrintTexts(store)}) {
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.out.isEmpty());
        ASSERT_EQ(result.err.size(), 6);
        EXPECT_TRUE(result.err.at(0).startsWith(QStringLiteral("The Date Calculation cannot be completed")));
        EXPECT_EQ(result.err.at(2), QString());
        EXPECT_EQ(result.err.at(5), QStringLiteral("     Maximum - 31/12/9999"));
    }
}

} // namespace
