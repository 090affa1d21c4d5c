#include "DeskColors.h"

#include "SystemColors.h"

namespace desk {

QColor ColorFromLong(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    return QColor(int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF));
}

std::int32_t TranslateSystemColor(std::int32_t colour) {
    if (static_cast<std::uint32_t>(colour) & 0x80000000u)
        return static_cast<std::int32_t>(platform::SystemColor(int(colour & 0xFF)));
    return colour;
}

} // namespace desk
