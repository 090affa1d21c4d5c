#include "HtmlHelp.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace platform {

// hh.exe opens a compiled help file at a mapped context number: hh.exe -mapid <n> <file>.
bool ShowCompiledHelp(const QString& helpFile, int context) {
    if (!QFileInfo(helpFile).isFile())
        return false;
    return QProcess::startDetached(
        QStringLiteral("hh.exe"),
        {QStringLiteral("-mapid"), QString::number(context), QDir::toNativeSeparators(helpFile)});
}

} // namespace platform
