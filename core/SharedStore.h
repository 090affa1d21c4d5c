#pragma once

#include "SettingsStore.h"
#include "StoreBackend.h"

#include <memory>

namespace core {

// A store that other processes write too. It remembers the values as this process last read or wrote
// them, so it can tell a change made by someone else from its own saves by content alone, whenever and
// however often either happens. A save merges this process's values into what is stored at that moment,
// under the backend's writer lock, so each program keeps the other's keys.
class SharedStore final : public SettingsStore {
public:
    explicit SharedStore(std::unique_ptr<StoreBackend> backend);

    std::optional<QString> Get(Section section, const QString& key) const override;
    void Set(Section section, const QString& key, const QString& value) override;
    // A save that fails drops its values: what is stored stays as it was, and they are never written
    // later by another save.
    bool Commit() override;
    bool Refresh() const override;
    quint64 OutsideChanges() const override { return outsideChanges_; }

    QString Location() const { return backend_->Location(); }

private:
    // Takes what is stored now as the last known state, counting it when someone else changed it.
    void Adopt(const IniMap& stored) const;

    std::unique_ptr<StoreBackend> backend_;
    mutable IniMap known_; // as this process last read or wrote it
    IniMap pending_;       // set since the last save
    mutable quint64 outsideChanges_ = 0;
};

} // namespace core
