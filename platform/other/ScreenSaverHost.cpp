#include "ScreenSaverHost.h"

namespace platform {

// Only Windows has a "Display Properties" window and a running flag to set: the X11 screensaver daemons
// run their hacks in their own windows and keep their own state.

bool DisplayPropertiesOpen() {
    return false;
}

void SetScreenSaverRunning(bool) {}

void ActivateWindowTitled(const QString&) {}

} // namespace platform
