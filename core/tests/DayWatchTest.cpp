#include "DayWatch.h"

#include <QTimeZone>

#include <ctime>

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

// Where the clocks go forward at midnight the next day starts at 01:00: the day before is still checked
// every ten minutes, and the next check comes just after that start.
TEST(DayWatch, NextDayWithoutAMidnight) {
    const struct {
        const char* zone;
        QDate day;
        QTime time;
        qint64 ms;
    } rows[] = {
        {"America/Havana", {2026, 3, 7}, {12, 0}, 600000},
        {"America/Havana", {2026, 3, 7}, {23, 59, 59, 500}, 700},
        {"America/Santiago", {2026, 9, 5}, {23, 55}, 300200},
    };
    const QByteArray saved = qgetenv("TZ");
    for (const auto& r : rows) {
        qputenv("TZ", r.zone); // the programs use local time
        tzset();
        EXPECT_EQ(desk::MsUntilNextDayCheck(QDateTime(r.day, r.time)), r.ms) << r.zone;
        EXPECT_EQ(desk::MsUntilNextDayCheck(QDateTime(r.day, r.time, QTimeZone(r.zone))), r.ms) << r.zone;
    }
    saved.isNull() ? qunsetenv("TZ") : qputenv("TZ", saved);
    tzset();
}

} // namespace
