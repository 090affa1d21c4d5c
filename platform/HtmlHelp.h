#pragma once

#include <QString>

namespace platform {

// Opens a compiled help file at a context number with the system's help viewer. False when this
// system has none or the file does not exist; the caller then shows its own help window.
bool ShowCompiledHelp(const QString& helpFile, int context);

} // namespace platform
