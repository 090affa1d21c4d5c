#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace core {

// Where a window that keeps still opens, given its saved rectangle (pixels) and the screens' areas.
// Left and top are first kept at or beyond the left and top of the whole desktop (with one screen at
// the origin: negative values become 0). A window that then meets no screen at all (a monitor that
// has gone, a lowered resolution) is moved wholly onto the nearest screen, aligned to that screen's
// edge where it was beyond it. A window that meets a screen keeps its place. No screens: unchanged.
QPoint PlaceOnScreens(const QRect& window, const QList<QRect>& screens);

} // namespace core
