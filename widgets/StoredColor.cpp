#include "StoredColor.h"

#include "SystemColors.h"

namespace ui {

QColor ColorFromStored(std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    if (v & 0x80000000u)
        v = platform::SystemColor(int(v & 0xFF));
    return QColor(int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF));
}

std::int32_t StoredFromColor(const QColor& color) {
    return std::int32_t(color.red()) | std::int32_t(color.green()) << 8 | std::int32_t(color.blue()) << 16;
}

} // namespace ui
