#include "ForeignWindow.h"

namespace platform {

std::optional<QSize> ForeignWindowSize(std::uint64_t) {
    return std::nullopt;
}

std::uint64_t RootWindowId() {
    return 0;
}

} // namespace platform
