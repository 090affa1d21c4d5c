#pragma once

#include <QString>

#include <cstdint>

namespace core {

// The size factor of a picture file: 2 or more enlarges that many times, -2 or less reduces that many
// times, 1 and -1 (and a stored 0) mean the natural size.

// The three size buttons, left to right.
enum class SizeButton { Decrease = 0, Actual = 1, Increase = 2 };

// One press of a size button, before any check: decreasing runs 3, 2, -1, -2, -3 and increasing
// runs -3, -2, 1, 2, 3, so 0 is never produced.
std::int32_t NextImageSize(std::int32_t size, SizeButton button);

enum class SizeRefusal { None, TooLarge, TooSmall };

// What the size checks need: the last previewed picture in pixels, the twips per pixel of the screen
// and the screen in twips.
struct SizeCheckInput {
    std::int32_t pictureWidth = 0;
    std::int32_t pictureHeight = 0;
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    double screenWidthTwips = 0;
    double screenHeightTwips = 0;
};

// An enlargement is refused when the enlarged picture would be wider or higher than the screen; a
// reduction when the reduced picture would be narrower or lower than the twips-per-pixel factor.
// Equal sizes pass. Natural sizes are never refused.
SizeRefusal CheckImageSize(std::int32_t size, const SizeCheckInput& input);

struct SizeStep {
    std::int32_t size;   // the factor after the press (the previous one again when refused)
    SizeRefusal refusal; // why the press was taken back
};

// A press of a size button with its check: a refused enlargement goes one step down again, a
// refused reduction one step up again.
SizeStep PressSizeButton(std::int32_t size, SizeButton button, const SizeCheckInput& input);

// The texts of the refusal message boxes.
QString TooLargeMessage();
QString TooSmallMessage();

// The two size labels: the factor in words and the resulting size in pixels.
struct SizeCaption {
    QString size;       // lblSize
    QString scrollSize; // lblScrollSize
};
SizeCaption ImageSizeCaption(bool hasPicture, std::int32_t size, std::int32_t pictureWidth,
                             std::int32_t pictureHeight);

} // namespace core
