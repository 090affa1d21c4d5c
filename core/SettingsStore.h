#pragma once

#include <QString>

#include <optional>

namespace core {

enum class Section { Common, ScreenSaver, Desktop };

QString SectionName(Section section);

// Where the settings live: text values addressed by section and key. Nothing is ever deleted.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or nothing when the key does not exist.
    virtual std::optional<QString> Get(Section section, const QString& key) const = 0;
    virtual void Set(Section section, const QString& key, const QString& value) = 0;
    // Makes every Set so far durable; false when the store could not be written.
    virtual bool Commit() = 0;
    // Makes the next reads see what other programs have saved since this store last read; values set
    // here and not yet saved stay on top. Never writes. True when it found values other than those this
    // store last read or wrote. A store no other program writes has nothing to do.
    virtual bool Refresh() const { return false; }
    // How many times this store has found values changed by someone else, on a refresh or while saving.
    virtual quint64 OutsideChanges() const { return 0; }
};

} // namespace core
