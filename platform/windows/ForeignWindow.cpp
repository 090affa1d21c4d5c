#include "ForeignWindow.h"

#include <windows.h>

namespace platform {

std::optional<QSize> ForeignWindowSize(std::uint64_t id) {
    const HWND window = reinterpret_cast<HWND>(static_cast<quintptr>(id));
    RECT client{};
    if (id == 0 || !IsWindow(window) || !GetClientRect(window, &client))
        return std::nullopt;
    return QSize(client.right - client.left, client.bottom - client.top);
}

std::uint64_t RootWindowId() {
    return reinterpret_cast<quintptr>(GetDesktopWindow());
}

} // namespace platform
