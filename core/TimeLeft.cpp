#include "TimeLeft.h"

#include "DateText.h"

#include <cstdlib>

namespace core {

namespace {

// " 2" for a count of two, "-1" for minus one.
QString CountText(int n) {
    return n < 0 ? QString::number(n) : u' ' + QString::number(n);
}

} // namespace

std::optional<TimeLeft> ComputeTimeLeft(QDate today, QDate target) {
    if (!IsDateInRange(today) || !IsDateInRange(target))
        return std::nullopt;

    TimeLeft r;
    r.TotalDays = static_cast<int>(today.daysTo(target));

    QString totalOpening = QStringLiteral("   (") + QString::number(std::abs(r.TotalDays));
    QString totalClosing;
    if (r.TotalDays == 1)
        totalClosing = QStringLiteral(" day!)");
    else if (r.TotalDays == -1)
        totalClosing = QStringLiteral(" day ago!)");
    else if (r.TotalDays < -1)
        totalClosing = QStringLiteral(" days ago!)");
    else
        totalClosing = QStringLiteral(" days!)");

    // Whole months between the two calendar months, then one less when today's day of month has not
    // been reached yet in the target month.
    const int monthSpan = 12 * (target.year() - today.year()) + (target.month() - today.month());
    int years = target.year() - today.year();
    const int mn = today.month(), mt = target.month();
    const bool dayReached = today.day() <= target.day();
    int months = 0;
    int anchorMonths = dayReached ? monthSpan : monthSpan - 1;
    if (mn < mt) {
        months = dayReached ? mt - mn : mt - mn - 1;
    } else if (mn > mt) {
        months = dayReached ? mt - mn + 12 : mt - mn + 11;
        --years;
    } else if (!dayReached) {
        months = 11;
        --years;
    }
    r.Anchor = today.addMonths(anchorMonths);
    const int days = static_cast<int>(r.Anchor.daysTo(target));
    r.Years = years;
    r.Months = months;
    r.Days = days;

    QString yearsText = CountText(years), monthsText = CountText(months), daysText = CountText(days);
    QString yearWord = QStringLiteral(" years ");
    QString monthWord = QStringLiteral(" months ");
    QString dayWord;

    if (years == 1)
        yearWord = QStringLiteral(" year ");
    if (months == 0 && days == 0) {
        if (years == 1)
            yearWord = QStringLiteral(" year!");
        else if (years > 1)
            yearWord = QStringLiteral(" years!");
    }
    if (years == 0)
        yearsText.clear(), yearWord.clear();

    if (months == 1)
        monthWord = days == 0 ? QStringLiteral(" month!") : QStringLiteral(" month ");
    else if (months > 1 && days == 0)
        monthWord = QStringLiteral(" months!");
    if (months == 0) {
        monthsText.clear(), monthWord.clear();
        totalOpening.clear(), totalClosing.clear();
    }

    dayWord = days == 1 ? QStringLiteral(" day!") : QStringLiteral(" days!");
    if (days == 0)
        daysText.clear(), dayWord.clear();

    r.Phrase = yearsText + yearWord + monthsText + monthWord + daysText + dayWord;
    r.TotalDaysText = totalOpening + totalClosing;
    return r;
}

std::optional<QDate> TargetToDate(const TargetDate& target) {
    if (const QDate* date = std::get_if<QDate>(&target))
        return date->isValid() ? std::optional(*date) : std::nullopt;
    return ParseDateText(std::get<QString>(target));
}

QString DateCalculationFailureMessage(Program program) {
    const QString crlf = QStringLiteral("\r\n");
    const QString because = program == Program::ScreenSaver
                                ? QStringLiteral("because an in-correct date was entered. ")
                                : QStringLiteral("because an in-correct date was entered.");
    return QStringLiteral("The Date Calculation cannot be completed") + QString(10, u' ') + crlf + because +
           crlf + crlf + QStringLiteral("The range of supported dates are...") + crlf +
           QStringLiteral("     Minimum - 01/01/1753") + crlf + QStringLiteral("     Maximum - 31/12/9999") +
           crlf + crlf;
}

} // namespace core
