#pragma once

#include "IniText.h"

#include <QString>

#include <functional>
#include <optional>

namespace core {

// Where a shared store keeps its values: an INI file, or the registry on Windows. Values are addressed
// "Section/Key", as in IniMap.
class StoreBackend {
public:
    virtual ~StoreBackend() = default;
    // Every stored value as it is now, read afresh; nothing when the store cannot be read.
    virtual std::optional<IniMap> Read() const = 0;
    // Runs save while no other process saves to the same store; false when that cannot be arranged, or
    // when save returns false.
    virtual bool Exclusive(const std::function<bool()>& save) = 0;
    // Makes all the stored values, inside Exclusive; changed holds the values this save sets.
    virtual bool Write(const IniMap& all, const IniMap& changed) = 0;
    // Where the values live, for messages and watchers: a file path, or a registry key.
    virtual QString Location() const = 0;
};

} // namespace core
