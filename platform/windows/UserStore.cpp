#include "UserStore.h"

#include "IniFileBackend.h"

#include <QSettings>

namespace platform {

namespace {

const QString kStoreKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\QVX\\Veltrane");

// The registry key with one subkey per section and string values. The registry writes each value on
// its own, so saves of two programs merge key by key without a lock of their own.
class RegistryBackend final : public core::StoreBackend {
public:
    std::optional<core::IniMap> Read() const override {
        const QSettings key(kStoreKey, QSettings::NativeFormat);
        core::IniMap values;
        for (const QString& name : key.allKeys())
            values.insert(name, key.value(name).toString());
        if (key.status() != QSettings::NoError)
            return std::nullopt;
        return values;
    }
    bool Exclusive(const std::function<bool()>& save) override { return save(); }
    bool Write(const core::IniMap& /*all*/, const core::IniMap& changed) override {
        QSettings key(kStoreKey, QSettings::NativeFormat);
        for (auto it = changed.cbegin(); it != changed.cend(); ++it)
            key.setValue(it.key(), it.value());
        key.sync();
        return key.status() == QSettings::NoError;
    }
    QString Location() const override { return kStoreKey; }
};

} // namespace

std::unique_ptr<core::SharedStore> OpenIniStore(const QString& filePath) {
    return std::make_unique<core::SharedStore>(std::make_unique<core::IniFileBackend>(
        filePath, core::IniFileBackend::LockFileLock(filePath + QStringLiteral(".writelock"))));
}

std::unique_ptr<core::SharedStore> OpenUserStore() {
    return std::make_unique<core::SharedStore>(std::make_unique<RegistryBackend>());
}

} // namespace platform
