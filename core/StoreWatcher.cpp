#include "StoreWatcher.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace core {

namespace {
// A save is a lock file, a temporary file and a rename within a few milliseconds; waiting this long
// after the last event reports it once and still well within a second.
constexpr int kSettleMs = 150;
} // namespace

StoreWatcher::StoreWatcher(const QString& filePath, QObject* parent)
    : QObject(parent), filePath_(QFileInfo(filePath).absoluteFilePath()),
      folder_(QFileInfo(filePath_).absolutePath()) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &StoreWatcher::Settled);
#ifndef Q_OS_WIN
    // The folder must exist to be watched; it is where the first save will go anyway.
    QDir().mkpath(folder_);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &StoreWatcher::Touched);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &StoreWatcher::Touched);
    WatchPaths();
#endif
    // The registry on Windows is not watched: changes made there show after a restart.
    known_ = Fingerprint();
}

void StoreWatcher::Acknowledge() {
    // With events from before this save still settling, someone else may have written too: the report
    // goes ahead, and costs at most one needless reload.
    if (!settle_.isActive())
        known_ = Fingerprint();
}

void StoreWatcher::Touched() {
    settle_.start();
}

void StoreWatcher::Settled() {
    // A renamed-over file is a new file: the watch on the old one has gone with it.
    WatchPaths();
    ++burstsSettled_;
    const QByteArray now = Fingerprint();
    if (now == known_)
        return;
    known_ = now;
    Q_EMIT ChangedOutside();
}

void StoreWatcher::WatchPaths() {
    if (!watcher_.directories().contains(folder_))
        watcher_.addPath(folder_);
    if (!watcher_.files().contains(filePath_) && QFileInfo::exists(filePath_))
        watcher_.addPath(filePath_);
}

QByteArray StoreWatcher::Fingerprint() const {
    QFile file(filePath_);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("missing");
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace core
