#include "NativeWindowPosition.h"

#include <QWindow>

#include <windows.h>

namespace platform {

std::optional<QPoint> NativeWindowPosition(const QWindow* window) {
    RECT r{};
    if (!window || !window->handle() || !GetWindowRect(reinterpret_cast<HWND>(window->winId()), &r))
        return std::nullopt;
    return QPoint(r.left, r.top);
}

} // namespace platform
