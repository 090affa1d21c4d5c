#include "ScreenPlacement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace core {

namespace {

// Squared gap between two rectangles; 0 when they meet.
std::int64_t GapSquared(const QRect& a, const QRect& b) {
    const std::int64_t dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const std::int64_t dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx * dx + dy * dy;
}

// The start of a span of `size` inside [low, low + room): pulled in from either side, the low edge
// winning when the span is larger than the room.
int Inside(int start, int size, int low, int room) {
    return std::max(low, std::min(start, low + room - size));
}

} // namespace

QPoint PlaceOnScreens(const QRect& window, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return window.topLeft();
    QRect desktop;
    for (const QRect& s : screens)
        desktop |= s;
    QRect placed = window;
    placed.moveTo(std::max(window.left(), desktop.left()), std::max(window.top(), desktop.top()));

    const QRect* nearest = nullptr;
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    for (const QRect& s : screens) {
        const std::int64_t gap = GapSquared(placed, s);
        if (gap == 0)
            return placed.topLeft();
        if (gap < best) {
            best = gap;
            nearest = &s;
        }
    }
    return {Inside(placed.left(), placed.width(), nearest->left(), nearest->width()),
            Inside(placed.top(), placed.height(), nearest->top(), nearest->height())};
}

} // namespace core
