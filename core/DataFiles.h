#pragma once

#include <QString>

namespace core {

// The folder of the programs' own data (help, read-me, pictures): beside the program in a build,
// ../share/veltrane from the program once installed.
QString DataFolder();

// The file in the first of the folders that holds it, else in the data folder; empty when none has it.
QString FindDataFile(const QString& name, const QString& preferredFolder = QString());

} // namespace core
