#include "PointerButtons.h"

namespace platform {

std::optional<bool> PrimaryButtonDown() {
    return std::nullopt;
}

} // namespace platform
