#pragma once

#include "SettingsStore.h"

#include <QStringList>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace core {

// What a --print run writes: lines for standard output or, when the calculation fails, the message
// lines for standard error; and the exit code.
struct PrintResult {
    QStringList out;
    QStringList err;
    int exitCode = 0;
};

// Splits a text at CR LF (or a lone LF) into lines; trailing empty lines are dropped.
QStringList SplitLines(const QString& text);

// Writes the lines to the two streams, each followed by a line break; returns the exit code.
int Emit(const PrintResult& result, std::FILE* out = stdout, std::FILE* err = stderr);

using Printer = PrintResult (*)(const SettingsStore&);
using StoreOpener = std::function<std::unique_ptr<SettingsStore>()>;

// The options both programs take for scripts: --version, --help (or -h) and --print, as the first
// argument. Runs the one given and returns its exit code; nothing when the first argument is none of
// them. print computes the texts from the settings in the store that openStore opens; printJson, where the
// program has one, serves --print --json. Any other argument after --print prints the usage to standard error
// (exit 2).
std::optional<int> RunScriptOption(int argc, char* argv[], const char* programName, const char* usage,
                                   const StoreOpener& openStore, Printer print, Printer printJson = nullptr);

} // namespace core

namespace saver {
// The title line and the remaining-time line for today from the stored settings.
core::PrintResult PrintTexts(const core::SettingsStore& store);
} // namespace saver

namespace desk {
// The desktop window's text for today from the stored settings, one line or two.
core::PrintResult PrintTexts(const core::SettingsStore& store);
// The status line for today as one JSON object.
core::PrintResult PrintJson(const core::SettingsStore& store);
// The desktop window's text for today on one line, each line break one blank.
core::PrintResult PrintStatusLine(const core::SettingsStore& store);
} // namespace desk
