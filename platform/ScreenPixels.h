#pragma once

#include <QPoint>

class QWindow;

namespace platform {

// A top-level window's top-left in the screen's own pixels, which are finer than the toolkit's
// device-independent ones on a scaled display (two to one at twice the scale), and a move there.
// Where the window system offers no direct way, both go through the toolkit's pixels.
QPoint ScreenPixelPosition(QWindow* window);
void MoveToScreenPixel(QWindow* window, QPoint at);

} // namespace platform
