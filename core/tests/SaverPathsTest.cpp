#include "SaverPaths.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using saver::LabelAlignment;
using saver::PicturePlace;
using saver::ShowArea;
using saver::ShowState;

// A 1920 x 1080 pixel screen at 15 twips per pixel: far beyond what 16-bit fields could hold.
constexpr ShowArea kScreen{28800, 16200};

ShowState Block(std::int32_t width, std::int32_t height) {
    return {.TextX = 111, .TextY = 222, .BlockWidth = width, .BlockHeight = height};
}

TEST(SaverPaths, HorizontalStartPositions) {
    const struct {
        std::int32_t placement, direction, x, y;
        std::int32_t width = 6000, height = 600;
    } rows[] = {
        {0, 0, 28800, 0},               // top, forward: just off the right edge
        {1, 0, 28800, 7800},            // centre: 8100 - 300
        {1, 0, 28800, 7798, 6003, 603}, // 7798.5 goes to the even 7798
        {2, 1, -6000, 15600},           // bottom
        {0, 2, 111, 0},                 // a vertical direction leaves TextX
        {5, 0, 28800, 222}              // an unknown placement leaves TextY
    };
    for (const auto& r : rows) {
        ShowState s = Block(r.width, r.height);
        EXPECT_EQ(saver::SetHorizontalPath(s, kScreen, r.placement, r.direction), LabelAlignment::Left);
        EXPECT_EQ(s.TextX, r.x) << r.placement << ',' << r.direction;
        EXPECT_EQ(s.TextY, r.y) << r.placement << ',' << r.direction;
        EXPECT_EQ(s.PassPath, 0);
        EXPECT_EQ(s.PassPlacement, r.placement);
        EXPECT_EQ(s.PassDirection, r.direction);
    }
}

TEST(SaverPaths, VerticalStartPositions) {
    const struct {
        std::int32_t placement, direction, x, y;
        LabelAlignment alignment;
    } rows[] = {
        {0, 2, 0, -600, LabelAlignment::Left},        // left, downward: just above the top
        {1, 3, 11400, 16200, LabelAlignment::Centre}, // centre, upward: just below the bottom
        {2, 2, 22800, -600, LabelAlignment::Left},    // right
        {0, 0, 0, 222, LabelAlignment::Left},         // a horizontal direction leaves TextY
        {9, 3, 111, 16200, LabelAlignment::Left}      // an unknown placement leaves TextX
    };
    for (const auto& r : rows) {
        ShowState s = Block(6000, 600);
        EXPECT_EQ(saver::SetVerticalPath(s, kScreen, r.placement, r.direction), r.alignment);
        EXPECT_EQ(s.TextX, r.x) << r.placement << ',' << r.direction;
        EXPECT_EQ(s.TextY, r.y) << r.placement << ',' << r.direction;
        EXPECT_EQ(s.PassPath, 1);
    }
}

TEST(SaverPaths, RandomPathsFromThreeDraws) {
    const struct {
        saver::RandomDraws draws;
        saver::RandomPath path;
    } rows[] = {{{0.0, 0.0, 0.0}, {0, 0, 0}},       {{0.49, 0.34, 0.49}, {0, 1, 0}},
                {{0.49, 0.99, 0.5}, {0, 2, 1}},     {{0.5, 0.0, 0.0}, {1, 0, 2}},
                {{0.999, 0.666, 0.999}, {1, 1, 3}}, {{0.75, 0.667, 0.25}, {1, 2, 2}}};
    for (const auto& r : rows)
        EXPECT_EQ(saver::PickRandomPath(r.draws), r.path) << r.draws.kind << ' ' << r.draws.placement;
}

TEST(SaverPaths, PassesEndWhenTheBlockHasLeft) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const struct {
        std::int32_t direction, x, y, speed, x2, y2;
        bool ends;
    } rows[] = {{0, -5950, 0, 50, -6000, 0, false}, // exactly at the edge: not yet
                {0, -5951, 0, 50, -6001, 0, true},
                {1, 28750, 0, 50, 28800, 0, false},
                {1, 28751, 0, 50, 28801, 0, true},
                {2, 0, 16750, 50, 0, 16800, false}, // downward waits until a block height below the screen
                {2, 0, 16751, 50, 0, 16801, true},
                {3, 0, -550, 50, 0, -600, false},
                {3, 0, -551, 50, 0, -601, true},
                {4, 10, 20, 50, 10, 20, false}, // unknown direction: no movement, no new pass
                // Hand-edited stores: a path and direction that do not match, a placement that never resets.
                {2, 0, 7900, kMax, 0, kMax, true},
                {1, 100, 0, kMax, kMax, 0, true},
                {3, 0, kMin + 100, 32767, 0, kMin, true}};
    for (const auto& r : rows) {
        ShowState s{
            .TextX = r.x, .TextY = r.y, .BlockWidth = 6000, .BlockHeight = 600, .PassDirection = r.direction};
        EXPECT_EQ(saver::ScrollStep(s, kScreen, r.speed), r.ends) << r.direction << ' ' << r.x << ' ' << r.y;
        EXPECT_EQ(s.TextX, r.x2);
        EXPECT_EQ(s.TextY, r.y2);
    }
}

// The show test steps a real preview downwards, pinned to the left edge.
TEST(SaverPaths, PreviewWrapsAtTheExtent) {
    const struct {
        std::int32_t direction, x, y, offX, speed, x2, y2, offX2;
    } rows[] = {{0, 1000, 50, 700, 50, 975, 50, 700},      // half speed
                {0, 1000, 50, 700, 51, 974, 50, 700},      // 974.5 rounds to the even 974
                {0, -1990, 50, 700, 50, 2280, 50, 700},    // left the area: back at the extent
                {0, -1975, 50, 700, 50, -2000, 50, 700},   // exactly at -BlockWidth: not yet
                {1, 2230, 50, 700, 50 * 2, 2280, 50, 700}, // exactly at the extent: not yet
                {1, 2231, 50, 700, 50 * 2, -2000, 50, 700},
                {2, 500, 1990, 700, 50, 0, -300, 0}, // wraps at extent - height (2280 - 300)
                {3, 500, -290, 700, 50, 0, 1980, 0},
                {3, 500, 100, 700, 1, 0, 99, 0}, // half a twip still moves
                {9, 500, 100, 700, 50, 500, 100, 700}};
    for (const auto& r : rows) {
        ShowState s{
            .TextX = r.x, .TextY = r.y, .TimeOffsetX = r.offX, .BlockWidth = 2000, .BlockHeight = 300};
        s.PreviewExtent = 2280; // 152 pixels
        saver::PreviewStep(s, r.direction, r.speed);
        EXPECT_EQ(s.TextX, r.x2) << r.direction << ' ' << r.x << ' ' << r.y;
        EXPECT_EQ(s.TextY, r.y2) << r.direction << ' ' << r.x << ' ' << r.y;
        EXPECT_EQ(s.TimeOffsetX, r.offX2);
    }
}

TEST(SaverPaths, PicturePlaces) {
    // W 28800, H 16200, picture 2250 x 1125 (150 x 75 pixels), block height 600. The show test checks the
    // top placement of a horizontal pass.
    const struct {
        std::int32_t path, placement;
        PicturePlace place;
        std::int32_t x, y;
    } rows[] = {{0, 1, PicturePlace::A, 13275, 8400}, {0, 1, PicturePlace::B, 13275, 6675},
                {0, 2, PicturePlace::A, 13275, 0},    {0, 2, PicturePlace::B, 13275, 14475},
                {1, 0, PicturePlace::A, 26550, 0},    {1, 0, PicturePlace::B, 26550, 15075},
                {1, 1, PicturePlace::A, 0, 7538},     {1, 1, PicturePlace::B, 26550, 7538},
                {1, 2, PicturePlace::A, 0, 0},        {1, 2, PicturePlace::B, 0, 15075},
                {0, 3, PicturePlace::A, -1, -2},      {2, 0, PicturePlace::A, -1, -2}};
    for (const auto& r : rows) {
        ShowState s{.BlockHeight = 600, .PictureX = -1, .PictureY = -2, .PassPath = r.path};
        s.PassPlacement = r.placement;
        saver::PlacePicture(s, kScreen, {2250, 1125}, r.place);
        EXPECT_EQ(s.PictureX, r.x) << r.path << ',' << r.placement << ' ' << int(r.place);
        EXPECT_EQ(s.PictureY, r.y) << r.path << ',' << r.placement << ' ' << int(r.place);
    }
}

} // namespace
