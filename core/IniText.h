#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace core {

// A plain INI text where every value is text: no typed values, no lists, no '@' forms, so a value a
// user typed by hand (commas, a leading '@') reads back exactly. Keys are "Section/Key".
using IniMap = QMap<QString, QString>;

// Never fails: lines it cannot make sense of are skipped.
IniMap ParseIniText(const QByteArray& text);
QByteArray WriteIniText(const IniMap& values);

// A value is quoted only when it must be (blanks at either end, control characters, a leading quote).
QString QuoteIniValue(const QString& value);
QString UnquoteIniValue(QStringView raw);

} // namespace core
