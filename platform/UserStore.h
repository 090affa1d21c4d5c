#pragma once

#include "SharedStore.h"

#include <memory>

namespace platform {

// The per-user store both programs share: on Windows the registry key that classic
// GetSetting/SaveSetting programs use, so settings of earlier versions read as they are; elsewhere the
// INI file $XDG_CONFIG_HOME/QVX/Veltrane.ini.
std::unique_ptr<core::SharedStore> OpenUserStore();

// A store in the given INI file, saved under the same writer lock as the user store's file, for tests
// and tools.
std::unique_ptr<core::SharedStore> OpenIniStore(const QString& filePath);

} // namespace platform
