#include "IniText.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(IniText, ValuesAreQuotedOnlyWhenTheyMustBe) {
    const struct {
        const char *value, *written;
    } rows[] = {{"plain", "plain"},
                {"a, b", "a, b"},
                {"@at", "@at"},
                {"c:\\dir\\", "c:\\dir\\"},
                {" lead", "\" lead\""},
                {"trail ", "\"trail \""},
                {"\"q\"", "\"\\\"q\\\"\""},
                {"x\ny", "\"x\\ny\""},
                {"tab\there", "\"tab\\there\""},
                {"bell\x07", "\"bell\\x07\""},
                {"", ""}};
    for (const auto& r : rows) {
        const QString value = QString::fromUtf8(r.value);
        EXPECT_EQ(core::QuoteIniValue(value), QString::fromUtf8(r.written)) << r.value;
        EXPECT_EQ(core::UnquoteIniValue(core::QuoteIniValue(value)), value) << r.value;
    }
}

TEST(IniText, OddEscapesAreKeptLiterally) {
    EXPECT_EQ(core::UnquoteIniValue(u"\"a\\qb\""), QStringLiteral("a\\qb"));
    EXPECT_EQ(core::UnquoteIniValue(u"\"\\x4\""), QStringLiteral("\\x4"));
    EXPECT_EQ(core::UnquoteIniValue(u"\"end\\\""), QStringLiteral("end\\"));
    EXPECT_EQ(core::UnquoteIniValue(u"\"open"), QStringLiteral("\"open"));
    EXPECT_EQ(core::UnquoteIniValue(u"\""), QStringLiteral("\""));
}

TEST(IniText, ParsesSectionsAndSkipsWhatItCannotRead) {
    const core::IniMap map = core::ParseIniText("top=ignored\n[A]\nk=1\n  k2 = two words  \n[ B ]\nk=\"x\"\n"
                                                "[]\nnokey\n=v\n[C\nk=3\n[D/E]\nk=4\n[F\\G]\nk=5\n"
                                                "[H]\na/b=6\na\\b=7\n");
    EXPECT_EQ(map, (core::IniMap{{"A/k", "1"}, {"A/k2", "two words"}, {"B/k", "x"}}));
}

} // namespace
