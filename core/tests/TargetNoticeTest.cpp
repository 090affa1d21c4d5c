#include "TargetNotice.h"

#include "MemoryStore.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

// Another day and the option off are the end-to-end notification test's.
TEST(TargetNotice, OnlyOnTheTargetDayOnceAndWhenWanted) {
    const QDate day(2026, 3, 5);
    const struct {
        const char* name;
        bool enabled;
        QDate today;
        std::optional<QDate> target;
        QDate lastNotified;
        bool expected;
    } rows[] = {{"the target day, never notified", true, day, day, {}, true},
                {"notified on an earlier target day", true, day, day, day.addYears(-1), true},
                {"already notified today", true, day, day, day, false},
                {"the day after", true, day.addDays(1), day, {}, false},
                {"no readable target", true, day, std::nullopt, {}, false}};
    for (const auto& r : rows)
        EXPECT_EQ(desk::ShouldNotifyTarget(r.enabled, r.today, r.target, r.lastNotified), r.expected)
            << r.name;
}

TEST(TargetNotice, TheLastDayReadsBackAndAnUnreadableOneCountsAsNone) {
    MemoryStore store;
    EXPECT_FALSE(desk::ReadLastNotified(store).isValid());
    ASSERT_TRUE(desk::SaveLastNotified(store, QDate(2026, 3, 5)));
    EXPECT_EQ(desk::ReadLastNotified(store), QDate(2026, 3, 5));
    store.Put(core::Section::Desktop, QStringLiteral("LastNotified"), QStringLiteral("yesterday"));
    EXPECT_FALSE(desk::ReadLastNotified(store).isValid());
}
