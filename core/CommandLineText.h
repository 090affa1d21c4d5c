#pragma once

#include "SettingsStore.h"

#include <QStringList>

#include <cstdio>

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

} // namespace core
