#pragma once

#include <QString>

namespace platform {

// What the Windows screensaver host offers; elsewhere these do nothing and report nothing open.

// True while the host's "Display Properties" window is open.
bool DisplayPropertiesOpen();

// Tells the system that a full-screen screensaver starts or stops running.
void SetScreenSaverRunning(bool running);

// Brings to the front the top-level window with that title (or, failing that, one whose title begins
// with it); nothing when there is none.
void ActivateWindowTitled(const QString& title);

} // namespace platform
