#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace ui {

// A per-user lock named after what it guards. The holder keeps it until it ends; a crashed holder's
// lock is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& name);
    // True when this process now holds the lock, false when another live process does.
    bool TryAcquire();
    void Release();
    QString LockPath() const;

private:
    std::unique_ptr<QLockFile> lock_;
    QString path_;
};

} // namespace ui
