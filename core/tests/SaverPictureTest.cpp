#include "SaverPicture.h"

#include <gtest/gtest.h>

namespace {

struct SizeRow {
    QSize natural;
    std::int32_t factor;
    QSize shown;
};

TEST(SaverPicture, SizeFactors) {
    const SizeRow rows[] = {
        // The show test checks 0 and 2 with a real picture.
        {{300, 200}, 1, {300, 200}},
        {{300, 200}, -1, {300, 200}},
        {{5, 3}, -2, {2, 2}},  // 2.5 to 2, 1.5 to 2
        {{3, 3}, -100, {1, 1}} // never below one pixel
    };
    for (const auto& r : rows)
        EXPECT_EQ(saver::ApplySizeFactor(r.natural, r.factor), r.shown) << r.factor;
}

TEST(SaverPicture, OnlyEnlargementsAreHeldToTheScreen) {
    const QSize screen(1920, 1080);
    const SizeRow rows[] = {
        {{300, 200}, 6, {1620, 1080}},     // height would be 1200: reduced, proportions kept
        {{300, 200}, 32767, {1620, 1080}}, // a hand-edited factor
        {{4000, 1000}, 0, {4000, 1000}},   // natural sizes stay, whatever the screen
        {{4000, 1000}, 2, {4000, 1000}},   // an enlargement never ends below the natural size
        {{4000, 1000}, -2, {2000, 500}}};
    for (const auto& r : rows)
        EXPECT_EQ(saver::ShownPictureSize(r.natural, r.factor, screen), r.shown) << r.factor;
}

TEST(SaverPicture, StoredNumbersOutsideTheirRange) {
    const struct {
        std::int32_t index;
        int number;
    } pictures[] = {{1, 1}, {5, 5}, {9, 9}, {0, 1}, {10, 1}, {-3, 1}, {32767, 1}};
    for (const auto& r : pictures)
        EXPECT_EQ(saver::BasePictureNumber(r.index), r.number) << r.index;

    const struct {
        std::int32_t stored, speed;
    } speeds[] = {{50, 50}, {1, 1}, {0, 1}, {-20, 1}, {100, 100}, {500, 500}, {2147483647, 32767}};
    for (const auto& r : speeds)
        EXPECT_EQ(saver::EffectiveSpeed(r.stored), r.speed) << r.stored;
}

} // namespace
