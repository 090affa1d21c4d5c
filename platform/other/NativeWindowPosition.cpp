#include "NativeWindowPosition.h"

namespace platform {

std::optional<QPoint> NativeWindowPosition(const QWindow*) {
    return std::nullopt;
}

} // namespace platform
