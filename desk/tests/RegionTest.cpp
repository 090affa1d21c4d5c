#include "TransparencyMask.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

// The region is built from the image's pixels whatever its format (the rows themselves are tested in
// core against a pixel-by-pixel check).
TEST(Region, ReadsImagesOfOtherFormats) {
    constexpr QRgb kBack = 0x3A6EA5;
    for (QImage::Format format : {QImage::Format_RGB888, QImage::Format_ARGB32_Premultiplied}) {
        QImage image(30, 10, format);
        image.fill(QColor(kBack));
        QPainter(&image).fillRect(QRect(4, 2, 5, 3), Qt::white);
        EXPECT_EQ(desk::RegionFromImage(image, kBack), QRegion(4, 2, 5, 3)) << format;
    }
}

} // namespace
