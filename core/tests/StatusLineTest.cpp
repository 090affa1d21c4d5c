#include "StatusLine.h"

#include "DateText.h"

#include "QtPrinters.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

const QDate kMay10{2024, 5, 10};

// A repeating date is the print test's (its next return as a JSON line) and EffectiveTarget's table.
TEST(StatusLine, OneJsonObjectPerSettingsAndDay) {
    const struct {
        const char *title, *date;
        int style;
        const char *text, *kind;
        int days;
    } rows[] = {
        // Each line break of the window's text becomes one blank (the print test checks a whole line ahead).
        {"Wedding", "2024-05-05", 1, "PASSED    (5 days ago!)", "passed", -5},
        {"Wedding", "2024-05-10", 0, "TARGET", "today", 0},
        {"Two\nlines", "2024-05-11", 0, "Two lines 1 day!", "ahead", 1}};
    for (const auto& r : rows) {
        desk::LoadedSettings s;
        s.Title = QString::fromUtf8(r.title);
        s.Target = QStringLiteral("TARGET");
        s.TargetPassed = QStringLiteral("PASSED");
        s.Date = QString::fromLatin1(r.date);
        s.Style = r.style;
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
                  s.Title + u'\n' + core::FormatLongDate(QDate::fromString(s.Date, Qt::ISODate)));
        EXPECT_EQ(o.value(QStringLiteral("class")).toString(), QString::fromLatin1(r.kind));
        EXPECT_EQ(o.value(QStringLiteral("days")).toInteger(-99999), r.days);
        EXPECT_EQ(desk::StatusLine(s, kMay10, false), QString::fromUtf8(r.text));
    }
}

} // namespace
