#pragma once

#include <QColor>

#include <cstdint>

namespace desk {

// A stored colour (red + 256 x green + 65536 x blue) as a QColor.
QColor ColorFromLong(std::int32_t value);

// A value with the high bit set names a system colour (its low byte the index) and becomes that colour's
// current value; any other value is returned unchanged.
std::int32_t TranslateSystemColor(std::int32_t colour);

// The system desktop colour, the display window's own background before any setting applies.
inline constexpr std::int32_t kDesktopSystemColor = std::int32_t(0x80000001u);

} // namespace desk
