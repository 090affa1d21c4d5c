#include "ScreenSaverHost.h"

namespace platform {

bool DisplayPropertiesOpen() {
    return false;
}

void SetScreenSaverRunning(bool) {}

void ActivateWindowTitled(const QString&) {}

} // namespace platform
