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

// The Exec= value that runs one program file, by the desktop entry rules: an argument holding a blank
// or a reserved character is quoted, with " ` $ \ escaped inside the quotes; a literal % is doubled,
// since % starts a field code; and the value, being a string, escapes backslashes and line breaks once
// more on top.
QString ExecValue(const QString& path) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    static const QString escapedInQuotes = QStringLiteral("\"`$\\");
    bool quote = false;
    for (QChar c : path)
        quote = quote || reserved.contains(c);
    QString argument;
    for (QChar c : path) {
        if (quote && escapedInQuotes.contains(c))
            argument += u'\\';
        argument += c;
    }
    if (quote)
        argument = u'"' + argument + u'"';
    argument.replace(u'%', QStringLiteral("%%"));
    QString value;
    for (QChar c : argument) {
        if (c == u'\\')
            value += QStringLiteral("\\\\");
        else if (c == u'\n')
            value += QStringLiteral("\\n");
        else if (c == u'\t')
            value += QStringLiteral("\\t");
        else if (c == u'\r')
            value += QStringLiteral("\\r");
        else
            value += c;
    }
    return value;
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
                             .arg(name, ExecValue(programPath));
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
