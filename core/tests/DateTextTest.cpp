#include "DateText.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// The short texts of en_GB, en_US, de_DE and C are the date key test's (SettingsTest); each locale's short
// and long texts read back as the same day.
TEST(DateText, ShortTextAlwaysHasFourYearDigitsAndEveryTextReadsBack) {
    EXPECT_EQ(core::FormatShortDate({2025, 7, 13}, QLocale(QStringLiteral("ja_JP"))),
              QStringLiteral("2025/07/13"));
    for (const char* name : {"en_US", "en_GB", "de_DE", "ja_JP", "C"}) {
        const QLocale locale{QString::fromLatin1(name)};
        for (const QString& text :
             {core::FormatShortDate({2025, 7, 13}, locale), core::FormatLongDate({2025, 7, 13}, locale)})
            EXPECT_EQ(core::ParseDateText(text, locale), QDate(2025, 7, 13))
                << name << " " << text.toStdString();
    }
}

// Each locale's own short and long texts read back in the test above; here the other forms.
TEST(DateText, ReadingUnderSeveralLocales) {
    const struct {
        const char *locale, *text;
        QDate expected; // invalid: not a date
    } rows[] = {{"en_US", " 07/13/2025 ", {2025, 7, 13}},
                {"en_US", "7/13/29", {2029, 7, 13}}, // two-digit years: 1930..2029
                {"en_US", "7/13/30", {1930, 7, 13}},
                {"en_US", "13/7/2025", {}}, // month 13
                {"en_GB", "31/12/9999", {9999, 12, 31}},
                {"en_GB", "31/12/1752", {1752, 12, 31}}, // a date, but outside the range (below)
                {"en_GB", "31/12/10000", {}},            // five-digit years are no date at all
                {"en_GB", "29/02/2023", {}},
                {"en_GB", "29/02/2024", {2024, 2, 29}},
                {"de_DE", "13/07/2025", {}},
                {"de_DE", "2025-07-13", {2025, 7, 13}}, // ISO works under every locale
                {"en_US", "tomorrow", {}}};
    for (const auto& r : rows) {
        const QLocale locale{QString::fromLatin1(r.locale)};
        const auto parsed = core::ParseDateText(QString::fromUtf8(r.text), locale);
        if (r.expected.isValid())
            EXPECT_EQ(parsed, r.expected) << r.locale << " '" << r.text << "'";
        else
            EXPECT_FALSE(parsed.has_value())
                << r.locale << " '" << r.text << "' gave " << parsed->toString(Qt::ISODate).toStdString();
    }
}

} // namespace
