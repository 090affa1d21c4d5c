#pragma once

#include <QImage>
#include <QRegion>

namespace desk {

// The region of a see-through window: the pixels of its back-buffer image that differ from the
// background colour `rgb` (0x00RRGGBB), less row 0 and column 0, from one pass over the image.
QRegion RegionFromImage(const QImage& image, QRgb rgb);

} // namespace desk
