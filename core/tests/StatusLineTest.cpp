#include "StatusLine.h"

#include "DateText.h"

#include "QtPrinters.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

const QDate kMay10{2024, 5, 10};

TEST(StatusLine, OneJsonObjectPerSettingsAndDay) {
    const struct {
        const char* title;
        const char* date;
        int style;
        int repeat;
        const char* text;
        const char* kind;
        int days;
        QDate target; // shown in the tooltip
    } rows[] = {
        // Each line break of the window's text becomes one blank (the print test adds the day count).
        {"Wedding", "2025-07-13", 1, 0, "Wedding 1 year  2 months  3 days!", "ahead", 429, {2025, 7, 13}},
        {"Wedding", "2024-05-05", 1, 0, "PASSED    (5 days ago!)", "passed", -5, {2024, 5, 5}},
        {"Wedding", "2024-05-10", 0, 0, "TARGET", "today", 0, kMay10},
        // Repeating: on the day itself (the print test checks the next return of a passed day).
        {"Birthday", "1990-05-10", 0, 1, "TARGET", "today", 0, kMay10},
        {"Two\nlines", "2024-05-11", 0, 0, "Two lines 1 day!", "ahead", 1, {2024, 5, 11}},
    };
    for (const auto& r : rows) {
        desk::LoadedSettings s;
        s.Title = QString::fromUtf8(r.title);
        s.Target = QStringLiteral("TARGET");
        s.TargetPassed = QStringLiteral("PASSED");
        s.Date = QString::fromLatin1(r.date);
        s.Style = r.style;
        s.RepeatYearly = r.repeat;
        SCOPED_TRACE(r.text);

        QString error = QStringLiteral("untouched");
        const QString line = desk::StatusLine(s, kMay10, true, &error);
        EXPECT_EQ(error, QStringLiteral("untouched"));
        EXPECT_FALSE(line.contains(u'\n'));
        QJsonParseError parse;
        const QJsonObject o = QJsonDocument::fromJson(line.toUtf8(), &parse).object();
        ASSERT_EQ(parse.error, QJsonParseError::NoError) << line.toStdString();
        EXPECT_EQ(o.size(), 4);
        EXPECT_EQ(o.value(QStringLiteral("text")).toString(), QString::fromUtf8(r.text));
        EXPECT_EQ(o.value(QStringLiteral("tooltip")).toString(),
                  s.Title + u'\n' + core::FormatLongDate(r.target));
        EXPECT_EQ(o.value(QStringLiteral("class")).toString(), QString::fromLatin1(r.kind));
        EXPECT_EQ(o.value(QStringLiteral("days")).toInteger(-99999), r.days);
        EXPECT_EQ(desk::StatusLine(s, kMay10, false), QString::fromUtf8(r.text));
    }
}

} // namespace
