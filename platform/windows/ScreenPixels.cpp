#include "ScreenPixels.h"

#include <QWindow>

#include <cmath>

namespace platform {

QPoint ScreenPixelPosition(QWindow* window) {
    if (!window)
        return {};
    const double ratio = window->devicePixelRatio();
    return {int(std::lround(window->x() * ratio)), int(std::lround(window->y() * ratio))};
}

void MoveToScreenPixel(QWindow* window, QPoint at) {
    if (!window)
        return;
    const double ratio = window->devicePixelRatio();
    window->setPosition(int(std::lround(at.x() / ratio)), int(std::lround(at.y() / ratio)));
}

} // namespace platform
