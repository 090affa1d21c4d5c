#include "DocumentViewer.h"

#include <QDir>
#include <QProcess>

namespace platform {

bool OpenDocument(const QString& path) {
    return QProcess::startDetached(QStringLiteral("wordpad.exe"), {QDir::toNativeSeparators(path)});
}

} // namespace platform
