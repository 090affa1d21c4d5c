#pragma once

namespace ui {

// Positioning, top-most windows and window shapes need X11: under a Wayland session with XWayland,
// run through xcb unless the user chose a platform. Call before the application object exists.
void PreferX11WhenAvailable();

} // namespace ui
