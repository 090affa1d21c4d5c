#include "DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace core {

QString DataFolder() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString installed = programDir.absoluteFilePath(QStringLiteral("../share/veltrane"));
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
    return programDir.absolutePath();
}

QString FindDataFile(const QString& name, const QString& preferredFolder) {
    for (const QString& folder : {preferredFolder, DataFolder()}) {
        if (folder.isEmpty())
            continue;
        const QFileInfo file(QDir(folder), name);
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

} // namespace core
