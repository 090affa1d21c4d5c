#include "SaverPicture.h"

#include "Rounding.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace saver {

namespace {

int ClampToInt(double value) {
    return static_cast<int>(std::clamp(value, 1.0, double(std::numeric_limits<int>::max())));
}

} // namespace

int BasePictureNumber(std::int32_t imageIndex) {
    return imageIndex >= 1 && imageIndex <= kBasePictureCount ? imageIndex : 1;
}

std::int32_t EffectiveSpeed(std::int32_t speed) {
    return std::clamp(speed, 1, kMaxSpeed);
}

QSize ApplySizeFactor(QSize natural, std::int32_t imageSize) {
    if (natural.isEmpty())
        return natural;
    if (imageSize > 1) {
        return {ClampToInt(double(natural.width()) * imageSize),
                ClampToInt(double(natural.height()) * imageSize)};
    }
    if (imageSize < -1) {
        const double divisor = std::abs(double(imageSize));
        return {ClampToInt(core::RoundHalfEven(natural.width() / divisor)),
                ClampToInt(core::RoundHalfEven(natural.height() / divisor))};
    }
    return natural;
}

QSize FitWithin(QSize size, QSize limit) {
    if (size.isEmpty() || limit.isEmpty())
        return size;
    if (size.width() <= limit.width() && size.height() <= limit.height())
        return size;
    return size.scaled(limit, Qt::KeepAspectRatio).expandedTo({1, 1});
}

QSize ShownPictureSize(QSize natural, std::int32_t imageSize, QSize screen) {
    const QSize sized = ApplySizeFactor(natural, imageSize);
    if (imageSize <= 1)
        return sized;
    // An enlargement is made in memory: it never takes more than the screen, or the natural size where
    // that is larger.
    return FitWithin(sized, screen.expandedTo(natural));
}

} // namespace saver
