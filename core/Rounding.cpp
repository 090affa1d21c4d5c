#include "Rounding.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace core {

double RoundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    // std::nearbyint honours the current rounding mode; pin it so a caller's fesetround cannot leak in.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(saved);
    return rounded == 0.0 ? 0.0 : rounded; // no negative zero
}

std::int32_t RoundToInt32(double value) {
    if (std::isnan(value))
        return 0;
    const double r = RoundHalfEven(value);
    if (r <= double(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (r >= double(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(r);
}

double TwipsPerPixel(double logicalDpi) {
    if (!(logicalDpi > 0.0))
        logicalDpi = 96.0;
    return 1440.0 / logicalDpi;
}

std::int32_t PixelsToTwips(double pixels, double twipsPerPixel) {
    return RoundToInt32(pixels * twipsPerPixel);
}

std::int32_t TwipsToPixels(double twips, double twipsPerPixel) {
    if (!(twipsPerPixel > 0.0))
        return 0;
    return RoundToInt32(twips / twipsPerPixel);
}

} // namespace core
