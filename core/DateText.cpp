#include "DateText.h"

#include <QRegularExpression>

namespace core {

namespace {

// Replaces every run of 'y' in a date format with the given year pattern. Literal text in quotes keeps
// its letters.
QString WithYearPattern(const QString& format, const QString& yearPattern) {
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted;
            out += c;
        } else if (!quoted && c == u'y') {
            while (i + 1 < format.size() && format.at(i + 1) == u'y')
                ++i;
            out += yearPattern;
        } else {
            out += c;
        }
    }
    return out;
}

bool HasYearField(const QString& format) {
    return WithYearPattern(format, QStringLiteral("#")) != format;
}

// Qt reads "yy" as 1900..1999; shift 1900..1929 into 2000..2029.
QDate ApplyTwoDigitWindow(QDate date) {
    return date.year() < 1930 ? date.addYears(100) : date;
}

} // namespace

QString ShortDateFormat(const QLocale& locale) {
    return WithYearPattern(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("yyyy"));
}

QString FormatShortDate(QDate date, const QLocale& locale) {
    return locale.toString(date, ShortDateFormat(locale));
}

QString FormatLongDate(QDate date, const QLocale& locale) {
    return locale.toString(date, QLocale::LongFormat);
}

std::optional<QDate> ParseDateText(const QString& text, const QLocale& locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    if (QDate d = locale.toDate(trimmed, WithYearPattern(shortFormat, QStringLiteral("yyyy"))); d.isValid())
        return d;
    if (HasYearField(shortFormat)) {
        if (QDate d = locale.toDate(trimmed, WithYearPattern(shortFormat, QStringLiteral("yy"))); d.isValid())
            return ApplyTwoDigitWindow(d);
    }
    if (QDate d = locale.toDate(trimmed, QLocale::LongFormat); d.isValid())
        return d;
    // ISO needs exactly four year digits; QDate's own ISO reader also takes wider forms we do not want.
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (iso.match(trimmed).hasMatch()) {
        if (QDate d = QDate::fromString(trimmed, QStringLiteral("yyyy-MM-dd")); d.isValid())
            return d;
    }
    return std::nullopt;
}

bool IsDateInRange(QDate date) {
    return date.isValid() && !(kFirstSupportedDate > date) && !(kLastSupportedDate < date);
}

} // namespace core
