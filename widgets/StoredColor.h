#pragma once

#include <QColor>

#include <cstdint>

namespace ui {

// Colours are stored as red + 256 x green + 65536 x blue. A value with the high bit set names a system
// colour by its low byte, shown in that colour's current value.
QColor ColorFromStored(std::int32_t value);
std::int32_t StoredFromColor(const QColor& color);

} // namespace ui
