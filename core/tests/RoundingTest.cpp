#include "Rounding.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const struct {
        double in, out;
    } rows[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},      {-0.5, 0},        {-1.5, -2},
                {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {1e9 + 0.5, 1e9}, {7, 7}};
    for (const auto& r : rows)
        EXPECT_EQ(core::RoundHalfEven(r.in), r.out) << r.in;
}

TEST(Rounding, Int32ConversionClampsAndNeverWraps) {
    EXPECT_EQ(core::RoundToInt32(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(core::RoundToInt32(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(core::RoundToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(core::RoundToInt32(40000.5), 40000); // wider than 16 bits, halves to even
}

TEST(Rounding, TwipsFollowTheLogicalDpi) {
    EXPECT_DOUBLE_EQ(core::TwipsPerPixel(96), 15);
    EXPECT_DOUBLE_EQ(core::TwipsPerPixel(144), 10);
    EXPECT_DOUBLE_EQ(core::TwipsPerPixel(0), 15);    // a screen that reports nothing counts as 96 dpi
    EXPECT_EQ(core::PixelsToTwips(3840, 15), 57600); // a 4K width does not overflow
    EXPECT_EQ(core::TwipsToPixels(22.5, 15), 2);     // 1.5 pixels rounds to even
    EXPECT_EQ(core::TwipsToPixels(37.5, 15), 2);     // 2.5 pixels rounds to even
}

} // namespace
