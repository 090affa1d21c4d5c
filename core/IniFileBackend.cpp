#include "IniFileBackend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace core {

IniFileBackend::IniFileBackend(const QString& filePath, WriterLock lock)
    : filePath_(QFileInfo(filePath).absoluteFilePath()), lock_(std::move(lock)) {}

IniFileBackend::WriterLock IniFileBackend::LockFileLock(const QString& lockPath) {
    return [lockPath](const std::function<bool()>& save) {
        QDir().mkpath(QFileInfo(lockPath).absolutePath());
        QLockFile lock(lockPath);
        return lock.tryLock(10000) && save();
    };
}

std::optional<IniMap> IniFileBackend::Read() const {
    QFile file(filePath_);
    if (!file.open(QIODevice::ReadOnly))
        return file.exists() ? std::nullopt : std::optional<IniMap>(IniMap{}); // not yet saved: empty
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return ParseIniText(text);
}

bool IniFileBackend::Write(const IniMap& all, const IniMap& /*changed*/) {
    if (!QDir().mkpath(QFileInfo(filePath_).absolutePath()))
        return false;
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = WriteIniText(all);
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace core
