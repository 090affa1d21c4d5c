#pragma once

#include "StoreBackend.h"

namespace core {

// The store as one INI file of text values, replaced whole by each save (a new file renamed over the
// old one), so a crash leaves the old file or the new one, never half of one. Saves of different
// processes are kept apart by the writer lock given at construction, which runs a save while it holds
// the lock.
class IniFileBackend final : public StoreBackend {
public:
    using WriterLock = std::function<bool(const std::function<bool()>& save)>;

    IniFileBackend(const QString& filePath, WriterLock lock);
    // A writer lock through Qt's lock file, for systems without a better one. A writer killed in the
    // instant between making the lock file and writing its process id into it holds the others off
    // until the file is 30 s old.
    static WriterLock LockFileLock(const QString& lockPath);

    std::optional<IniMap> Read() const override;
    bool Exclusive(const std::function<bool()>& save) override { return lock_(save); }
    bool Write(const IniMap& all, const IniMap& changed) override;
    QString Location() const override { return filePath_; }

private:
    QString filePath_;
    WriterLock lock_;
};

} // namespace core
