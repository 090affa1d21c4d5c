#include "Autostart.h"

#include <QDir>
#include <QSettings>

namespace platform {

namespace {
const QString kRunKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
} // namespace

bool AddStartupEntry(const QString& name, const QString& programPath) {
    QSettings key(kRunKey, QSettings::NativeFormat);
    key.setValue(name, QDir::toNativeSeparators(programPath));
    key.sync();
    return key.status() == QSettings::NoError;
}

bool RemoveStartupEntry(const QString& name) {
    QSettings key(kRunKey, QSettings::NativeFormat);
    key.remove(name);
    key.sync();
    return key.status() == QSettings::NoError;
}

bool HasStartupEntry(const QString& name) {
    QSettings key(kRunKey, QSettings::NativeFormat);
    return key.contains(name);
}

} // namespace platform
