#include "ImageSizeSteps.h"

#include "Rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace core {

namespace {

std::int32_t Clamped(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::int64_t Magnitude(std::int32_t size) {
    return std::abs(static_cast<std::int64_t>(size));
}

// "Line break" in the message texts is a carriage return and a line feed.
const QString kBreak = QStringLiteral("\r\n");
const QString kTenBlanks = QString(10, u' ');

} // namespace

std::int32_t NextImageSize(std::int32_t size, SizeButton button) {
    switch (button) {
    case SizeButton::Decrease: {
        const std::int64_t s = std::int64_t(size) - 1;
        return s == 1 ? -1 : s == 0 ? -2 : Clamped(s);
    }
    case SizeButton::Actual:
        return 1;
    case SizeButton::Increase: {
        const std::int64_t s = std::int64_t(size) + 1;
        return s == -1 ? 1 : s == 0 ? 2 : Clamped(s);
    }
    }
    return size;
}

SizeRefusal CheckImageSize(std::int32_t size, const SizeCheckInput& in) {
    if (size > 1) {
        // Single precision, as the screen comparison has always been made.
        const float wide = float(in.pictureWidth) * float(in.twipsPerPixelX) * float(size);
        const float high = float(in.pictureHeight) * float(in.twipsPerPixelY) * float(size);
        if (!std::isfinite(wide) || !std::isfinite(high) || wide > float(in.screenWidthTwips) ||
            high > float(in.screenHeightTwips))
            return SizeRefusal::TooLarge;
    } else if (size < -1) {
        const double divisor = double(Magnitude(size));
        const double wide = in.pictureWidth / divisor;
        const double high = in.pictureHeight / divisor;
        // Comparisons with NaN are false, so a factor that cannot be told is refused by the negation.
        if (!(wide >= in.twipsPerPixelX) || !(high >= in.twipsPerPixelY))
            return SizeRefusal::TooSmall;
    }
    return SizeRefusal::None;
}

SizeStep PressSizeButton(std::int32_t size, SizeButton button, const SizeCheckInput& input) {
    const std::int32_t next = NextImageSize(size, button);
    switch (CheckImageSize(next, input)) {
    case SizeRefusal::TooLarge:
        return {Clamped(std::int64_t(next) - 1), SizeRefusal::TooLarge};
    case SizeRefusal::TooSmall:
        return {Clamped(std::int64_t(next) + 1), SizeRefusal::TooSmall};
    case SizeRefusal::None:
        break;
    }
    return {next, SizeRefusal::None};
}

QString TooLargeMessage() {
    return QStringLiteral("The Image Size you have selected will be larger than") + kTenBlanks + kBreak +
           QStringLiteral("your Screen Size.") + kBreak + kBreak +
           QStringLiteral("It will not be increased further.");
}

QString TooSmallMessage() {
    return QStringLiteral("The Image Size you have selected will be too small.") + kTenBlanks + kBreak +
           kBreak + QStringLiteral("It will not be decreased further.");
}

SizeCaption ImageSizeCaption(bool hasPicture, std::int32_t size, std::int32_t width, std::int32_t height) {
    const QString actual = QStringLiteral("Use Actual Size");
    if (!hasPicture)
        return {actual, QString()};
    const auto pair = [](auto w, auto h) { return QStringLiteral("%1 x %2").arg(w).arg(h); };
    const std::int64_t m = Magnitude(size);
    if (size >= 2)
        return {QStringLiteral("Increase %1 times").arg(m),
                pair(std::int64_t(width) * m, std::int64_t(height) * m)};
    if (size <= -2)
        return {QStringLiteral("Decrease %1 times").arg(m),
                pair(RoundToInt32(double(width) / double(m)), RoundToInt32(double(height) / double(m)))};
    return {actual, pair(width, height)};
}

} // namespace core
