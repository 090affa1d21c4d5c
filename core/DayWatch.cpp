#include "DayWatch.h"

#include <algorithm>

namespace desk {

qint64 MsUntilNextDayCheck(const QDateTime& now) {
    constexpr qint64 kLongest = 10 * 60 * 1000;
    constexpr qint64 kPastMidnight = 200; // timers may fire a little early
    const QDateTime midnight(now.date().addDays(1), QTime(0, 0), now.timeSpec());
    return std::clamp<qint64>(now.msecsTo(midnight) + kPastMidnight, kPastMidnight, kLongest);
}

} // namespace desk
