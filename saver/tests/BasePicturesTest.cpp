#include "BasePictures.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(BasePictures, NineTaggedPicturesInOrder) {
    const char* tags[] = {"Logo",        "Birthday Cake", "Candles", "Hammock",     "Mountains",
                          "Cruise Ship", "Sunset",        "Wreath",  "Wedding Cake"};
    ASSERT_EQ(saver::BasePictureCount(), 9);
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(saver::BasePictureTag(n), QString::fromLatin1(tags[n - 1])) << n;
        EXPECT_EQ(saver::BasePicture(n).size(), QSize(150, 75)) << n;
    }
    EXPECT_TRUE(saver::BasePicture(0).isNull());
    EXPECT_TRUE(saver::BasePicture(10).isNull());
    EXPECT_TRUE(saver::BasePictureTag(10).isEmpty());
    EXPECT_EQ(saver::PreviewPicture().size(), QSize(100, 50));
}

// Each picture is a drawing of its own: many colours, and no two alike.
TEST(BasePictures, EachPictureIsADistinctDrawing) {
    QSet<QByteArray> seen;
    for (int n = 1; n <= 9; ++n) {
        const QImage image = saver::BasePicture(n);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 40) << saver::BasePictureTag(n).toStdString();
        const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        EXPECT_FALSE(seen.contains(bytes)) << n;
        seen.insert(bytes);
    }
}

} // namespace
