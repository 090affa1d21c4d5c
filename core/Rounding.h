#pragma once

#include <cstdint>

namespace core {

// Nearest whole number, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

// RoundHalfEven clamped into the 32-bit range; NaN gives 0.
std::int32_t RoundToInt32(double value);

// Twips are 1/1440 inch; at the usual 96 logical dots per inch one pixel is 15 twips.
double TwipsPerPixel(double logicalDpi);
std::int32_t PixelsToTwips(double pixels, double twipsPerPixel);
std::int32_t TwipsToPixels(double twips, double twipsPerPixel);

} // namespace core
