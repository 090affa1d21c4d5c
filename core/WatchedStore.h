#pragma once

#include "SettingsStore.h"
#include "StoreWatcher.h"

namespace core {

// A store whose every save is marked as this process's own, so its watcher reports only the changes
// that came from outside.
class WatchedStore final : public SettingsStore {
public:
    WatchedStore(SettingsStore& store, StoreWatcher& watcher) : store_(store), watcher_(watcher) {}

    std::optional<QString> Get(Section section, const QString& key) const override {
        return store_.Get(section, key);
    }
    void Set(Section section, const QString& key, const QString& value) override {
        store_.Set(section, key, value);
    }
    void Refresh() const override { store_.Refresh(); }
    bool Commit() override {
        const bool saved = store_.Commit();
        watcher_.Acknowledge();
        return saved;
    }

private:
    SettingsStore& store_;
    StoreWatcher& watcher_;
};

} // namespace core
