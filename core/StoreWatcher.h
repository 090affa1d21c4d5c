#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace core {

// Tells when the settings file was changed by someone else: the other program, a hand edit, a sync
// tool. Saves replace the file by renaming a new one over it, which a watch on the file alone loses, so
// the folder is watched too. The burst of events one save makes is reported once, shortly after it ends,
// and only when the file's content differs from what this process last saw or wrote.
class StoreWatcher : public QObject {
    Q_OBJECT
public:
    explicit StoreWatcher(const QString& filePath, QObject* parent = nullptr);

    // The file as it is now is this process's own doing (it has just saved): no report for it.
    void Acknowledge();

    const QString& FilePath() const { return filePath_; }
    // How many bursts of events have ended and been looked at, reported or not.
    int BurstsSettled() const { return burstsSettled_; }

Q_SIGNALS:
    void ChangedOutside();

private:
    void Touched();
    void Settled();
    void WatchPaths();
    QByteArray Fingerprint() const;

    QString filePath_;
    QString folder_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QByteArray known_;
    int burstsSettled_ = 0;
};

} // namespace core
