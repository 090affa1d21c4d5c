#include "UserStore.h"

#include "IniFileBackend.h"

#include <QStandardPaths>

namespace platform {

std::unique_ptr<core::SharedStore> OpenIniStore(const QString& filePath) {
    return std::make_unique<core::SharedStore>(std::make_unique<core::IniFileBackend>(
        filePath, core::IniFileBackend::LockFileLock(filePath + QStringLiteral(".writelock"))));
}

std::unique_ptr<core::SharedStore> OpenUserStore() {
    return OpenIniStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        QStringLiteral("/QVX/Veltrane.ini"));
}

} // namespace platform
