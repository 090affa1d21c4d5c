#include "StatusLine.h"

#include "DateText.h"
#include "DeskTimeLeft.h"
#include "EffectiveTarget.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace desk {

QString StatusLine(const LoadedSettings& s, QDate today, bool json, QString* error) {
    DisplayTexts texts;
    const QString failure = CalculateTimeLeft(
        today, s.Date, {s.Title, s.Target, s.TargetPassed, s.IncludeDays, s.Style, s.RepeatYearly}, texts);
    if (!failure.isEmpty()) {
        if (error)
            *error = failure;
        return {};
    }
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QString text = QString(texts.DisplayText).replace(lineBreak, QStringLiteral(" "));
    if (!json)
        return text;

    // The calculation has accepted the date, so it reads as one here too.
    const QDate target = core::EffectiveTarget(*core::TargetToDate(s.Date), today, s.Repeats());
    const qint64 days = today.daysTo(target);
    const QJsonObject line{
        {QStringLiteral("text"), text},
        {QStringLiteral("tooltip"), s.Title + u'\n' + core::FormatLongDate(target)},
        {QStringLiteral("class"), days > 0    ? QStringLiteral("ahead")
                                  : days == 0 ? QStringLiteral("today")
                                              : QStringLiteral("passed")},
        {QStringLiteral("days"), days},
    };
    return QString::fromUtf8(QJsonDocument(line).toJson(QJsonDocument::Compact));
}

namespace {
core::PrintResult PrintLine(const core::SettingsStore& store, bool json) {
    const LoadedSettings s = LoadSettings(store);
    QString failure;
    const QString line = StatusLine(s, s.Today, json, &failure);
    if (!failure.isEmpty())
        return {{}, core::SplitLines(failure), 1};
    return {{line}, {}, 0};
}
} // namespace

core::PrintResult PrintJson(const core::SettingsStore& store) {
    return PrintLine(store, true);
}

core::PrintResult PrintStatusLine(const core::SettingsStore& store) {
    return PrintLine(store, false);
}

} // namespace desk
