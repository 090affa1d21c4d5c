#include "SystemColors.h"

#include <windows.h>

namespace platform {

std::uint32_t SystemColor(int index) {
    return static_cast<std::uint32_t>(GetSysColor(index));
}

} // namespace platform
