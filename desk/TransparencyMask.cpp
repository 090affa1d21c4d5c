#include "TransparencyMask.h"

#include "TransparencyRegion.h"

namespace desk {

QRegion RegionFromImage(const QImage& image, QRgb rgb) {
    const QImage pixels = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
                              ? image
                              : image.convertToFormat(QImage::Format_RGB32);
    const std::vector<QRect> rects =
        OpaqueRects({pixels.constBits(), pixels.width(), pixels.height(), pixels.bytesPerLine()}, rgb);
    QRegion region;
    // The rectangles already come banded and merged, the shape setRects takes without sorting.
    if (!rects.empty())
        region.setRects(rects.data(), int(rects.size()));
    return region;
}

} // namespace desk
