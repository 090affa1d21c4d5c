#include "EffectiveTarget.h"

#include "DateText.h"

namespace core {

namespace {

QDate SameDayIn(int year, QDate date) {
    int day = date.day();
    if (date.month() == 2 && day == 29 && !QDate::isLeapYear(year))
        day = 28;
    return {year, date.month(), day};
}

} // namespace

QDate EffectiveTarget(QDate stored, QDate today, bool repeatYearly) {
    if (!repeatYearly || !IsDateInRange(stored) || !IsDateInRange(today) || stored >= today)
        return stored;
    QDate next = SameDayIn(today.year(), stored);
    if (next < today)
        next = SameDayIn(today.year() + 1, stored);
    return IsDateInRange(next) ? next : stored;
}

} // namespace core
