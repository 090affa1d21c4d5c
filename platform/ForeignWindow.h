#pragma once

#include <QSize>

#include <cstdint>
#include <optional>

namespace platform {

// Windows that another program owns: a screensaver host's preview area, an X11 daemon's window.

// The size in pixels of that window's inside, asked of the window system; nothing when the id names no
// window (or the window system cannot tell).
std::optional<QSize> ForeignWindowSize(std::uint64_t id);

// The root window of the display (X11) or the desktop window (Windows); 0 where there is none.
std::uint64_t RootWindowId();

} // namespace platform
