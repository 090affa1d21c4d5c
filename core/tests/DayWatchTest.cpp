#include "DayWatch.h"

#include <gtest/gtest.h>

namespace {

TEST(DayWatch, WakesJustAfterMidnightAndAtLeastEveryTenMinutes) {
    const struct {
        QTime time;
        qint64 ms;
    } rows[] = {
        {QTime(23, 59, 59, 500), 700}, {QTime(23, 55, 0), 300200}, {QTime(23, 50, 0), 600000},
        {QTime(12, 0, 0), 600000},     {QTime(0, 0, 0), 600000},   {QTime(23, 59, 59, 999), 201},
    };
    for (const auto& r : rows) {
        const QDateTime now(QDate(2024, 5, 10), r.time, Qt::UTC);
        EXPECT_EQ(desk::MsUntilNextDayCheck(now), r.ms) << r.time.toString().toStdString();
    }
}

} // namespace
