#pragma once

#include "SettingsStore.h"

#include <QMap>
#include <QSettings>

#include <memory>

namespace core {

// The per-user store both programs share. Elsewhere than Windows it is the INI file
// $XDG_CONFIG_HOME/QVX/Veltrane.ini, kept in a text-only INI dialect; on Windows it is the registry key
// that classic GetSetting/SaveSetting programs use, so settings of earlier versions read as they are.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    // A store in the given INI file, for tests and tools.
    explicit QtSettingsStore(const QString& iniFilePath);

    std::optional<QString> Get(Section section, const QString& key) const override;
    void Set(Section section, const QString& key, const QString& value) override;
    bool Commit() override;
    void Refresh() const override;

    QString Location() const;

private:
    // The INI file named at construction; empty for the per-user store.
    static std::unique_ptr<QSettings> OpenSettings(const QString& iniFilePath);

    QString iniFilePath_;
    std::unique_ptr<QSettings> settings_;
    // Values set since the last save that succeeded, by "Section/Key".
    QMap<QString, QString> unsaved_;
};

} // namespace core
