#pragma once

#include <QDate>

namespace core {

// The date the countdown runs to. Without repeating, or while the stored date is today or later, it is
// the stored date. Repeating, a past date comes back each year: the first date on or after today with
// the stored month and day, 29 February falling on 28 February in years without one. A date outside
// the supported range, or a repeat that would leave it, stays as stored, so the caller reports it as
// before.
QDate EffectiveTarget(QDate stored, QDate today, bool repeatYearly);

} // namespace core
