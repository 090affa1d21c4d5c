#include "StoreNotifier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include <sys/stat.h>

namespace platform {

// Saves replace the file by renaming a new one over it, and the folder may be removed and made anew,
// so the watch is on the file and on the nearest folder on its path that exists, and is set up again
// after every event: a watch stays with the file it was set on, which lives on under no name while
// another program holds it open, and edits written in place into the new file would go unseen.
class StoreNotifier::Watch {
public:
    Watch(StoreNotifier& owner, const QString& location)
        : filePath_(QFileInfo(location).absoluteFilePath()), folder_(QFileInfo(filePath_).absolutePath()) {
        const auto touched = [this, &owner] {
            Arm();
            Q_EMIT owner.Touched();
        };
        QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &owner, touched);
        QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &owner, touched);
        Arm();
    }

private:
    void Arm() {
        QString folder = folder_;
        while (!QFileInfo(folder).isDir() && !QDir(folder).isRoot())
            folder = QFileInfo(folder).absolutePath();
        const QStringList folders = watcher_.directories();
        if (folders != QStringList{folder}) {
            if (!folders.isEmpty())
                watcher_.removePaths(folders);
            watcher_.addPath(folder);
        }
        struct stat now {};
        const bool exists = ::stat(QFile::encodeName(filePath_).constData(), &now) == 0;
        const bool watched = watcher_.files().contains(filePath_);
        if (watched && (!exists || now.st_ino != inode_ || now.st_dev != device_))
            watcher_.removePath(filePath_);
        if (exists && (!watched || now.st_ino != inode_ || now.st_dev != device_) &&
            watcher_.addPath(filePath_)) {
            inode_ = now.st_ino;
            device_ = now.st_dev;
        }
    }

    QString filePath_;
    QString folder_;
    QFileSystemWatcher watcher_;
    ino_t inode_ = 0;
    dev_t device_ = 0;
};

StoreNotifier::StoreNotifier(const QString& location, QObject* parent)
    : QObject(parent), watch_(std::make_unique<Watch>(*this, location)) {}

StoreNotifier::~StoreNotifier() = default;

} // namespace platform
