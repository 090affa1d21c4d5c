#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace core {

// The range of target dates both programs accept, bounds included.
inline const QDate kFirstSupportedDate{1753, 1, 1};
inline const QDate kLastSupportedDate{9999, 12, 31};

// The locale's short date format with the year always in four digits.
QString ShortDateFormat(const QLocale& locale = QLocale::system());

// The date as the locale writes it in short form (four-digit year) and in long form.
QString FormatShortDate(QDate date, const QLocale& locale = QLocale::system());
QString FormatLongDate(QDate date, const QLocale& locale = QLocale::system());

// Reads a date typed or stored as text: the locale's short format with a four- or two-digit year, then
// its long format, then ISO yyyy-MM-dd; the first that gives a valid date wins. Two-digit years fall in
// 1930..2029. Surrounding blanks are ignored. No date for anything else.
std::optional<QDate> ParseDateText(const QString& text, const QLocale& locale = QLocale::system());

bool IsDateInRange(QDate date);

} // namespace core
