#pragma once

#include "CommandLineText.h"
#include "DeskSettings.h"

#include <QDate>
#include <QString>

namespace desk {

// The one line a status bar reads for the desktop settings on the given day, or nothing when the
// target date cannot be used (then *error, when given, receives the calculation's message).
// Plain: the desktop window's text on one line, each line break one blank.
// JSON: one compact object with that "text", a "tooltip" of the title and, on a second line, the
// effective target in the locale's long date form, a "class" of "ahead", "today" or "passed", and
// "days", the whole days from today to the effective target (negative once it has passed).
QString StatusLine(const LoadedSettings& settings, QDate today, bool json, QString* error = nullptr);

// What --print --json and --watch --json write: the status line for today as one JSON object.
core::PrintResult PrintJson(const core::SettingsStore& store);
// What --watch writes: the desktop window's text for today on one line, each line break one blank.
core::PrintResult PrintStatusLine(const core::SettingsStore& store);

} // namespace desk
