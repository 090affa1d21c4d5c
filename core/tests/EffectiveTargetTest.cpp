#include "EffectiveTarget.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(EffectiveTarget, RepeatingDatesComeBackEachYear) {
    const struct {
        QDate stored, today;
        bool repeat;
        QDate expected;
    } rows[] = {
        // Not repeating: always the stored date, passed or not.
        {{2020, 7, 13}, {2024, 5, 10}, false, {2020, 7, 13}},
        // Today or later: the stored date, however far ahead.
        {{2030, 7, 13}, {2024, 5, 10}, true, {2030, 7, 13}},
        {{2024, 5, 10}, {2024, 5, 10}, true, {2024, 5, 10}},
        // Passed: this year's day while it is still to come or is today, next year's from the day after.
        {{2020, 7, 13}, {2024, 5, 10}, true, {2024, 7, 13}},
        {{2020, 5, 10}, {2024, 5, 10}, true, {2024, 5, 10}},
        {{2020, 5, 10}, {2024, 5, 11}, true, {2025, 5, 10}},
        // 29 February: itself in leap years, 28 February in the others.
        {{2020, 2, 29}, {2024, 2, 28}, true, {2024, 2, 29}},
        {{2020, 2, 29}, {2024, 3, 1}, true, {2025, 2, 28}},
        {{2020, 2, 29}, {2025, 2, 28}, true, {2025, 2, 28}},
        {{2020, 2, 29}, {2099, 12, 1}, true, {2100, 2, 28}},
        {{2020, 2, 28}, {2024, 2, 29}, true, {2025, 2, 28}},
        // Outside the supported range nothing moves, so the calculation still refuses it.
        {{1700, 7, 13}, {2024, 5, 10}, true, {1700, 7, 13}},
        {{2020, 3, 1}, {9999, 12, 31}, true, {2020, 3, 1}},
        {QDate(), {2024, 5, 10}, true, QDate()}};
    for (const auto& r : rows) {
        EXPECT_EQ(core::EffectiveTarget(r.stored, r.today, r.repeat), r.expected)
            << r.stored.toString(Qt::ISODate).toStdString() << " on "
            << r.today.toString(Qt::ISODate).toStdString();
    }
}

} // namespace
