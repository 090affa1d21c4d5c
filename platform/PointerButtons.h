#pragma once

#include <optional>

namespace platform {

// Whether the primary (left) mouse button is down right now, asked of the system rather than taken
// from the events this program has seen: while the window manager carries a window, the program sees
// none. Nothing (no answer) where the system cannot tell.
std::optional<bool> PrimaryButtonDown();

} // namespace platform
