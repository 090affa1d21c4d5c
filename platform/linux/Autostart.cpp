#include "Autostart.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace platform {

namespace {

QString EntryPath(const QString& name) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + name + QStringLiteral(".desktop");
}

// Exec lines quote arguments that hold blanks or the characters the desktop entry format reserves.
QString ExecQuoted(const QString& path) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needs = false;
    for (QChar c : path)
        needs = needs || reserved.contains(c);
    if (!needs)
        return path;
    QString quoted = path;
    quoted.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'"', QStringLiteral("\\\""))
        .replace(u'`', QStringLiteral("\\`"))
        .replace(u'$', QStringLiteral("\\$"));
    return u'"' + quoted + u'"';
}

} // namespace

bool AddStartupEntry(const QString& name, const QString& programPath) {
    const QString path = EntryPath(name);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    // Written through a temporary file and a rename, so a crash never leaves half an entry.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(name, ExecQuoted(programPath));
    file.write(text.toUtf8());
    return file.commit();
}

bool RemoveStartupEntry(const QString& name) {
    QFile file(EntryPath(name));
    return !file.exists() || file.remove();
}

bool HasStartupEntry(const QString& name) {
    return QFile::exists(EntryPath(name));
}

} // namespace platform
