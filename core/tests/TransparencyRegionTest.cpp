#include "TransparencyRegion.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

constexpr std::uint32_t kBack = 0x102030;

struct Image {
    int width, height;
    std::vector<std::uint32_t> pixels;
    Image(int w, int h) : width(w), height(h), pixels(std::size_t(w) * h, 0xFF000000u | kBack) {}
    void Set(int x, int y, std::uint32_t argb) { pixels[std::size_t(y) * width + x] = argb; }
    std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    desk::PixelRows Rows() const {
        return {reinterpret_cast<const uchar*>(pixels.data()), width, height, qsizetype(width) * 4};
    }
};

// What the rectangles cover, as a grid of the image's size; a rectangle outside the image fails.
std::vector<bool> Covered(const std::vector<QRect>& rects, int w, int h) {
    std::vector<bool> grid(std::size_t(w) * h, false);
    for (const QRect& r : rects)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                EXPECT_TRUE(x >= 0 && x < w && y >= 0 && y < h) << x << "," << y;
                if (x >= 0 && x < w && y >= 0 && y < h) {
                    EXPECT_FALSE(grid[std::size_t(y) * w + x]) << "overlap at " << x << "," << y;
                    grid[std::size_t(y) * w + x] = true;
                }
            }
    return grid;
}

// Every pixel that differs from the background, rows and columns from 1 on.
std::vector<bool> Expected(const Image& image) {
    std::vector<bool> grid(image.pixels.size(), false);
    for (int y = 1; y < image.height; ++y)
        for (int x = 1; x < image.width; ++x)
            grid[std::size_t(y) * image.width + x] = (image.At(x, y) & 0xFFFFFF) != kBack;
    return grid;
}

// The order QRegion::setRects relies on.
void ExpectBanded(const std::vector<QRect>& rects) {
    for (std::size_t i = 1; i < rects.size(); ++i) {
        const QRect& a = rects[i - 1];
        const QRect& b = rects[i];
        if (a.top() == b.top()) {
            EXPECT_EQ(a.bottom(), b.bottom()) << "band heights differ at " << i;
            EXPECT_LT(a.right() + 1, b.left()) << "touching or unsorted at " << i;
        } else {
            EXPECT_GT(b.top(), a.bottom()) << "bands overlap or unsorted at " << i;
        }
    }
}

TEST(TransparencyRegion, RandomImagesMatchAPixelByPixelCheck) {
    std::mt19937 random(20240510);
    const struct {
        int w, h, percentText;
    } rows[] = {{1, 1, 50},    {2, 2, 100},   {17, 5, 10}, {64, 33, 50},
                {200, 40, 30}, {333, 61, 90}, {50, 50, 0}};
    for (const auto& r : rows) {
        Image image(r.w, r.h);
        std::uniform_int_distribution<int> percent(0, 99);
        for (int y = 0; y < r.h; ++y) {
            // Runs of repeated rows make bands worth merging.
            if (y > 0 && percent(random) < 30) {
                for (int x = 0; x < r.w; ++x)
                    image.Set(x, y, image.At(x, y - 1));
                continue;
            }
            for (int x = 0; x < r.w; ++x)
                if (percent(random) < r.percentText)
                    image.Set(x, y, kBack ^ (1u << (percent(random) % 24)));
        }
        const std::vector<QRect> rects = desk::OpaqueRects(image.Rows(), kBack);
        EXPECT_EQ(Covered(rects, r.w, r.h), Expected(image)) << r.w << "x" << r.h;
        ExpectBanded(rects);
    }
}

// Images whose lines carry padding (as QImage rows do) are read by bytesPerLine; a pixel that differs from
// the background only in its alpha byte, which the random images leave alone, is background.
TEST(TransparencyRegion, PaddingAndAlphaAreNotRead) {
    std::vector<std::uint32_t> bits(6 * 4, kBack);
    bits[2 * 6 + 2] = 0xABCDEF; // row 2, column 2 of a 4-pixel-wide image with 6-pixel lines
    bits[1 * 6 + 5] = 0xABCDEF; // padding: never read as a pixel
    bits[3 * 6 + 1] = 0x7F000000u | kBack;
    const desk::PixelRows rows{reinterpret_cast<const uchar*>(bits.data()), 4, 4, 6 * 4};
    const std::vector<QRect> rects = desk::OpaqueRects(rows, kBack);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0], QRect(2, 2, 1, 1));
}

} // namespace
