#pragma once

#include <QRect>
#include <QtGlobal>

#include <cstdint>
#include <vector>

namespace desk {

// Rows of 32-bit pixels (0xAARRGGBB; the alpha byte is ignored), bytesPerLine apart.
struct PixelRows {
    const uchar* bits = nullptr;
    int width = 0;
    int height = 0;
    qsizetype bytesPerLine = 0;
};

// The part of a see-through window that stays: every pixel whose colour differs from `rgb`
// (0x00RRGGBB), except those of row 0 and column 0. The rectangles come in the banded order that
// QRegion::setRects takes (sorted by top then left, one height per band, no two touching side by side),
// with identical neighbouring rows merged, so the region is built in one pass over the image.
std::vector<QRect> OpaqueRects(const PixelRows& image, std::uint32_t rgb);

} // namespace desk
