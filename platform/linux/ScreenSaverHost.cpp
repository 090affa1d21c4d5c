#include "ScreenSaverHost.h"

namespace platform {

// The X11 screensaver daemons run their hacks in their own windows and keep their own state: there is no
// "Display Properties" window and no running flag to set.

bool DisplayPropertiesOpen() {
    return false;
}

void SetScreenSaverRunning(bool) {}

void ActivateWindowTitled(const QString&) {}

} // namespace platform
