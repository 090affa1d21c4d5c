#pragma once

#include "SettingsStore.h"

#include <QMap>
#include <QStringList>

// A store in memory that remembers the order of writes and can be told to fail its commit.
class MemoryStore final : public core::SettingsStore {
public:
    std::optional<QString> Get(core::Section section, const QString& key) const override {
        const auto it = values.constFind(Address(section, key));
        if (it == values.cend())
            return std::nullopt;
        return *it;
    }
    void Set(core::Section section, const QString& key, const QString& value) override {
        values.insert(Address(section, key), value);
        writes.append(Address(section, key));
    }
    bool Commit() override {
        ++commits;
        return !failCommit;
    }

    void Put(core::Section section, const QString& key, const QString& value) {
        values.insert(Address(section, key), value);
    }
    static QString Address(core::Section section, const QString& key) {
        return core::SectionName(section) + u'/' + key;
    }

    QMap<QString, QString> values;
    QStringList writes;
    int commits = 0;
    bool failCommit = false;
};
