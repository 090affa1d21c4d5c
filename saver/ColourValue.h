#pragma once

#include <QColor>

#include <cstdint>

namespace saver {

// A stored colour, red + 256 x green + 65536 x blue. A value with the high bit set names one of the
// system's colours by its low byte; those follow the application palette.
QColor ColourFromValue(std::int32_t value);

} // namespace saver
