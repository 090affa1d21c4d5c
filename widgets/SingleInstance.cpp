#include "SingleInstance.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace ui {

namespace {

QString LockFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

QString UserName() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return user.isEmpty() ? QStringLiteral("user") : user;
}

} // namespace

SingleInstance::SingleInstance(const QString& name) {
    // Lock names become file names: keep letters, digits, dots and dashes.
    QString safe = name;
    safe.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.-]+")), QStringLiteral("_"));
    path_ = LockFolder() + u'/' + QStringLiteral("veltrane-") + UserName() + u'-' + safe +
            QStringLiteral(".lock");
    lock_ = std::make_unique<QLockFile>(path_);
    lock_->setStaleLockTime(0);
}

bool SingleInstance::TryAcquire() {
    return lock_->isLocked() || lock_->tryLock(0);
}

void SingleInstance::Release() {
    lock_->unlock();
}

QString SingleInstance::LockPath() const {
    return path_;
}

} // namespace ui
