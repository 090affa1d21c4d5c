#include "DayWatch.h"

#include <QTimeZone>

#include <algorithm>

namespace desk {

qint64 MsUntilNextDayCheck(const QDateTime& now) {
    constexpr qint64 kLongest = 10 * 60 * 1000;
    constexpr qint64 kPastMidnight = 200; // timers may fire a little early
    // The start of the next day, which is not midnight where the clocks go forward at midnight.
    const QDate tomorrow = now.date().addDays(1);
    const QDateTime start = now.timeSpec() == Qt::TimeZone
                                ? tomorrow.startOfDay(now.timeZone())
                                : tomorrow.startOfDay(now.timeSpec(), now.offsetFromUtc());
    return std::clamp<qint64>(now.msecsTo(start) + kPastMidnight, kPastMidnight, kLongest);
}

} // namespace desk
