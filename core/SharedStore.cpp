#include "SharedStore.h"

namespace core {

namespace {
QString Address(Section section, const QString& key) {
    return SectionName(section) + u'/' + key;
}
} // namespace

SharedStore::SharedStore(std::unique_ptr<StoreBackend> backend) : backend_(std::move(backend)) {
    known_ = backend_->Read().value_or(IniMap{});
}

std::optional<QString> SharedStore::Get(Section section, const QString& key) const {
    const QString address = Address(section, key);
    if (const auto it = pending_.constFind(address); it != pending_.cend())
        return *it;
    if (const auto it = known_.constFind(address); it != known_.cend())
        return *it;
    return std::nullopt;
}

void SharedStore::Set(Section section, const QString& key, const QString& value) {
    pending_.insert(Address(section, key), value);
}

void SharedStore::Adopt(const IniMap& stored) const {
    if (stored == known_)
        return;
    known_ = stored;
    ++outsideChanges_;
}

bool SharedStore::Refresh() const {
    const quint64 before = outsideChanges_;
    if (const auto stored = backend_->Read())
        Adopt(*stored);
    return outsideChanges_ != before;
}

bool SharedStore::Commit() {
    const IniMap changes = std::exchange(pending_, {});
    return backend_->Exclusive([&] {
        const auto stored = backend_->Read();
        if (!stored)
            return false;
        Adopt(*stored);
        IniMap merged = *stored;
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            merged.insert(it.key(), it.value());
        if (merged == *stored)
            return true;
        if (!backend_->Write(merged, changes))
            return false;
        known_ = merged;
        return true;
    });
}

} // namespace core
