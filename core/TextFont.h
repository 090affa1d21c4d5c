#pragma once

#include <QString>

#include <cstdint>

namespace core {

// A text font as the settings store keeps it: the six fields that make the font, and its colour.
struct TextFont {
    QString Name;
    std::int32_t Size = 16; // whole points
    std::int32_t Color = 255;
    bool Bold = true;
    bool Italic = false;
    bool Strikethru = false;
    bool Underline = false;

    bool operator==(const TextFont&) const = default;
};

} // namespace core
