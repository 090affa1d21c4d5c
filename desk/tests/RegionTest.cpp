#include "StepByStepRegion.h"
#include "TransparencyMask.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr QRgb kBack = 0x3A6EA5;

// Random text-like images: blocks of ink in a few colours, some one unit off the background.
QImage RandomImage(int w, int h, unsigned seed) {
    std::mt19937 random(seed);
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kBack);
    const QRgb inks[] = {0xFF0000, kBack ^ 0x010000, kBack ^ 0x000100, kBack ^ 0x000001, 0x000000};
    std::uniform_int_distribution<int> px(0, w - 1), py(0, h - 1), side(1, 9), ink(0, 4);
    for (int i = 0; i < w * h / 30; ++i) {
        const int x = px(random), y = py(random);
        const QRgb colour = inks[ink(random)];
        for (int dy = 0; dy < side(random) && y + dy < h; ++dy)
            for (int dx = 0; dx < 3 && x + dx < w; ++dx)
                image.setPixel(x + dx, y + dy, colour);
    }
    return image;
}

TEST(Region, SamePixelsAsTheStepByStepBuild) {
    const struct {
        int w, h;
        unsigned seed;
    } rows[] = {{1, 1, 1}, {2, 2, 2}, {40, 12, 3}, {120, 30, 4}, {257, 64, 5}, {64, 257, 6}};
    for (const auto& r : rows) {
        const QImage image = RandomImage(r.w, r.h, r.seed);
        const QRegion fast = desk::RegionFromImage(image, kBack);
        // The step-by-step build lets a run that reaches the bottom hang one row below the window;
        // the window clips it.
        const QRegion slow = StepByStepRegion(image, kBack) & QRegion(0, 0, r.w, r.h);
        EXPECT_TRUE((fast ^ slow).isEmpty()) << r.w << "x" << r.h;
        EXPECT_TRUE(fast.boundingRect().isEmpty() || QRect(1, 1, r.w, r.h).contains(fast.boundingRect()));
    }
}

TEST(Region, EdgeCases) {
    const struct {
        const char* name;
        QPoint ink;
        QRgb colour;
        bool kept;
    } rows[] = {
        {"column 0 is cut away", QPoint(0, 5), 0xFF0000, false},
        {"row 0 is cut away", QPoint(5, 0), 0xFF0000, false},
        {"one unit off is kept", QPoint(5, 5), kBack + 1, true},
        {"the background colour is cut away", QPoint(5, 5), kBack, false},
        {"the last row is kept", QPoint(5, 9), 0x000000, true},
    };
    for (const auto& r : rows) {
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(kBack);
        image.setPixel(r.ink, r.colour);
        const QRegion region = desk::RegionFromImage(image, kBack);
        EXPECT_EQ(region.contains(r.ink), r.kept) << r.name;
        EXPECT_EQ(region.rectCount(), r.kept ? 1 : 0) << r.name;
    }
}

TEST(Region, ReadsImagesOfOtherFormats) {
    QImage image(30, 10, QImage::Format_RGB888);
    image.fill(QColor(kBack));
    QPainter(&image).fillRect(QRect(4, 2, 5, 3), Qt::white);
    EXPECT_EQ(desk::RegionFromImage(image, kBack), QRegion(4, 2, 5, 3));
}

} // namespace
