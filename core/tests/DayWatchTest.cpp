#include "DayWatch.h"

#include <QTimeZone>

#include <ctime>

#include <gtest/gtest.h>

namespace {

// Just after the next day starts, and at least every ten minutes. Where the clocks go forward at
// midnight the next day starts at 01:00: the day before is still checked every ten minutes, not five
// times a second.
TEST(DayWatch, WakesJustAfterTheNextDayStartsAndAtLeastEveryTenMinutes) {
    const struct {
        const char* zone;
        QDate day;
        QTime time;
        qint64 ms;
    } rows[] = {{"UTC", {2024, 5, 10}, {23, 59, 59, 500}, 700},
                {"UTC", {2024, 5, 10}, {23, 55}, 300200},
                {"UTC", {2024, 5, 10}, {23, 50}, 600000},
                {"UTC", {2024, 5, 10}, {0, 0}, 600000},
                {"UTC", {2024, 5, 10}, {23, 59, 59, 999}, 201},
                {"America/Havana", {2026, 3, 7}, {12, 0}, 600000},
                {"America/Havana", {2026, 3, 7}, {23, 59, 59, 500}, 700},
                {"America/Santiago", {2026, 9, 5}, {23, 55}, 300200}};
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
