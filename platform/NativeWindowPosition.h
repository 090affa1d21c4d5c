#pragma once

#include <QPoint>

#include <optional>

class QWindow;

namespace platform {

// The top-left corner of a window on the screen as the window system has it now. After a move the
// window manager carried out, this program may not yet have been told where the window ended up.
// Nothing where the system cannot tell (then the toolkit's own idea of the position is all there is).
std::optional<QPoint> NativeWindowPosition(const QWindow* window);

} // namespace platform
