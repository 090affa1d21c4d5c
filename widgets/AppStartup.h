#pragma once

#include "CommandLineText.h"
#include "SettingsStore.h"

#include <functional>
#include <memory>
#include <optional>

namespace ui {

using Printer = core::PrintResult (*)(const core::SettingsStore&);
using StoreOpener = std::function<std::unique_ptr<core::SettingsStore>()>;

// The options both programs take for scripts: --version, --help (or -h) and --print, as the first
// argument. Runs the one given and returns its exit code; nothing when the first argument is none of
// them. print computes the texts from the settings in the store that openStore opens; printJson, where the
// program has one, serves --print --json. Any other argument after --print prints the usage to standard error
// (exit 2).
std::optional<int> RunScriptOption(int argc, char* argv[], const char* programName, const char* usage,
                                   const StoreOpener& openStore, Printer print, Printer printJson = nullptr);

} // namespace ui
