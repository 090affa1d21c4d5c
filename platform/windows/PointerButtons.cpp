#include "PointerButtons.h"

#include <windows.h>

namespace platform {

std::optional<bool> PrimaryButtonDown() {
    // The physical left button is the secondary one when the user has swapped them.
    const int key = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

} // namespace platform
