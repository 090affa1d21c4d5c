#include "CommandLineText.h"

#include "DeskSettings.h"
#include "DeskTimeLeft.h"
#include "SaverSettings.h"
#include "SaverTimeLeft.h"
#include "StatusLine.h"

#include "Version.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstring>

namespace core {

QStringList SplitLines(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r?\n"));
    QStringList lines = text.split(lineBreak);
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

int Emit(const PrintResult& result, std::FILE* out, std::FILE* err) {
    for (const QString& line : result.out)
        std::fprintf(out, "%s\n", line.toLocal8Bit().constData());
    for (const QString& line : result.err)
        std::fprintf(err, "%s\n", line.toLocal8Bit().constData());
    std::fflush(out);
    std::fflush(err);
    return result.exitCode;
}

std::optional<int> RunScriptOption(int argc, char* argv[], const char* programName, const char* usage,
                                   const StoreOpener& openStore, Printer print, Printer printJson) {
    const char* first = argc > 1 ? argv[1] : "";
    if (std::strcmp(first, "--version") == 0) {
        std::printf("%s %s\n", programName, kVersionText);
        return 0;
    }
    if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0) {
        std::fputs(usage, stdout);
        return 0;
    }
    if (std::strcmp(first, "--print") == 0) {
        Printer chosen = print;
        for (int i = 2; i < argc; ++i) {
            if (std::strcmp(argv[i], "--json") == 0 && printJson) {
                chosen = printJson;
            } else {
                std::fputs(usage, stderr);
                return 2;
            }
        }
        QCoreApplication app(argc, argv);
        return Emit(chosen(*openStore()));
    }
    return std::nullopt;
}

} // namespace core

namespace saver {

core::PrintResult PrintTexts(const core::SettingsStore& store) {
    const LoadedSettings s = LoadSettings(store, {}).settings;
    DisplayTexts texts;
    const QString failure =
        CalculateTimeLeft(s.Date, {s.Title, s.Target, s.TargetPassed, s.IncludeDays, s.RepeatYearly}, texts);
    if (!failure.isEmpty())
        return {{}, core::SplitLines(failure), 1};
    return {{texts.EventLine, texts.TimeLine}, {}, 0};
}

} // namespace saver

namespace desk {

core::PrintResult PrintTexts(const core::SettingsStore& store) {
    const LoadedSettings s = LoadSettings(store);
    DisplayTexts texts;
    const QString failure = CalculateTimeLeft(
        s.Date, {s.Title, s.Target, s.TargetPassed, s.IncludeDays, s.Style, s.RepeatYearly}, texts);
    if (!failure.isEmpty())
        return {{}, core::SplitLines(failure), 1};
    return {texts.DisplayText.split(kLineBreak), {}, 0};
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
