#pragma once

#include <QSize>

#include <cstdint>

namespace saver {

inline constexpr int kBasePictureCount = 9;

// The base picture a stored ImageIndex names; a number outside 1..9 (only a hand-edited store holds
// one) names the first picture.
int BasePictureNumber(std::int32_t imageIndex);

// The largest movement step: the largest value of the 16-bit whole number a speed is stored as.
inline constexpr std::int32_t kMaxSpeed = 32767;

// The movement step; a stored speed of 0 or below would stand still or run backwards, so it moves at 1,
// and a hand-edited one above kMaxSpeed moves at kMaxSpeed (the stored text is left as it is).
std::int32_t EffectiveSpeed(std::int32_t speed);

// The picture's size after the size factor: above 1 multiplies, below -1 divides by its absolute value
// (rounded, at least one pixel); -1, 0 and 1 keep the natural size.
QSize ApplySizeFactor(QSize natural, std::int32_t imageSize);

// The size reduced, keeping its proportions, so that it fits in limit; unchanged when it already fits.
QSize FitWithin(QSize size, QSize limit);

// What a picture file is shown at: the size factor applied. The natural size and reductions are kept
// whatever the screen (the screen's edges crop them); an enlargement is reduced, proportions kept, to fit
// the screen or the natural size, whichever is larger, so that no hand-edited factor allocates more.
QSize ShownPictureSize(QSize natural, std::int32_t imageSize, QSize screen);

} // namespace saver
