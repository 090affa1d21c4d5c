#include "FuzzTargets.h"

#include "Clock.h"
#include "DateText.h"
#include "DeskSettings.h"
#include "DeskTimeLeft.h"
#include "IniText.h"
#include "SaverCommandLine.h"
#include "SaverSettings.h"
#include "SaverTimeLeft.h"
#include "SettingsStore.h"

#include <QByteArray>
#include <QLocale>
#include <QStringList>

#include <cstdlib>

namespace fuzz {

namespace {

// Aborts so the fuzzer records the input, in release builds too.
void Require(bool condition) {
    if (!condition)
        std::abort();
}

// A settings store over a parsed INI map.
class MapStore final : public core::SettingsStore {
public:
    explicit MapStore(core::IniMap values) : values_(std::move(values)) {}
    std::optional<QString> Get(core::Section section, const QString& key) const override {
        const auto it = values_.constFind(core::SectionName(section) + u'/' + key);
        if (it == values_.cend())
            return std::nullopt;
        return *it;
    }
    void Set(core::Section section, const QString& key, const QString& value) override {
        values_.insert(core::SectionName(section) + u'/' + key, value);
    }
    bool Commit() override { return true; }

private:
    core::IniMap values_;
};

} // namespace

void DateText(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const char* name : {"en_US", "en_GB", "de_DE", "C"}) {
        const QLocale locale{QString::fromLatin1(name)};
        if (const auto date = core::ParseDateText(text, locale)) {
            Require(date->isValid());
            // A date read back from its own short text is the same date while in range.
            if (core::IsDateInRange(*date))
                Require(core::ParseDateText(core::FormatShortDate(*date, locale), locale) == *date);
        }
    }
    core::ScopedToday today(QDate(2024, 5, 10));
    saver::DisplayTexts s;
    (void)saver::CalculateTimeLeft(text,
                                   {QStringLiteral("t"), QStringLiteral("a"), QStringLiteral("p"), 1, 0}, s);
    desk::DisplayTexts d;
    (void)desk::CalculateTimeLeft(
        text, {QStringLiteral("t"), QStringLiteral("a"), QStringLiteral("p"), 1, 1, 1}, d);
}

void SettingsIni(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const core::IniMap map = core::ParseIniText(bytes);
    // What is written reads back as the same values.
    Require(core::ParseIniText(core::WriteIniText(map)) == map);
    MapStore store(map);
    const auto saverLoaded = saver::LoadSettings(store, QSizeF(28800, 16200));
    const auto deskLoaded = desk::LoadSettings(store);
    Require(saverLoaded.settings.ImagePath.size() > 0);
    saver::DisplayTexts s;
    (void)saver::CalculateTimeLeft(saverLoaded.settings.Date,
                                   {saverLoaded.settings.Title, saverLoaded.settings.Target,
                                    saverLoaded.settings.TargetPassed, 1, saverLoaded.settings.RepeatYearly},
                                   s);
    desk::DisplayTexts d;
    (void)desk::CalculateTimeLeft(deskLoaded.Date,
                                  {deskLoaded.Title, deskLoaded.Target, deskLoaded.TargetPassed, 1,
                                   deskLoaded.Style, deskLoaded.RepeatYearly},
                                  d);
    // Saving what was loaded and loading again gives the same settings.
    if (const auto date = core::ParseDateText(deskLoaded.Date); date && core::IsDateInRange(*date)) {
        Require(desk::SaveSettings(store, deskLoaded, *date));
        desk::LoadedSettings again = desk::LoadSettings(store);
        again.Date = deskLoaded.Date;
        again.Today = deskLoaded.Today;
        Require(again == deskLoaded);
    }
}

void CommandLine(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList arguments = text.split(u' ');
    const saver::SaverCommand command = saver::ParseSaverCommandLine(arguments, text);
    Require(command.modeWord.size() <= 2);
    (void)saver::ParsePreviewHandle(text);
    (void)saver::ParseWindowId(text);
    (void)saver::IsNumericText(text);
}

} // namespace fuzz
