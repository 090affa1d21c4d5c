#pragma once

namespace platform {

// Positioning, top-most windows and window shapes need X11: under a Wayland session with XWayland,
// run through xcb unless the user chose a platform. Call before the application object exists.
void PreferX11WhenAvailable();

// False, after saying so on standard error, when there is plainly no display to show windows on
// (no platform chosen and neither DISPLAY nor WAYLAND_DISPLAY set): better than the toolkit's abort.
bool DisplayAvailable(const char* programName);

} // namespace platform
