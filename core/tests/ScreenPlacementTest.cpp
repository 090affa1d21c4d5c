#include "ScreenPlacement.h"

#include <gtest/gtest.h>

namespace {

// A 300 x 40 window unless a row says otherwise.
TEST(ScreenPlacement, AWindowOnNoScreenMovesWhollyOntoTheNearest) {
    const QList<QRect> one = {QRect(0, 0, 1920, 1080)};
    // Two monitors side by side, the second lower and smaller.
    const QList<QRect> two = {QRect(0, 0, 1920, 1080), QRect(1920, 200, 1280, 800)};
    // A monitor left of and above the primary one.
    const QList<QRect> left = {QRect(0, 0, 1920, 1080), QRect(-1280, -300, 1280, 1024)};
    const struct {
        const char* what;
        QList<QRect> screens;
        QPoint at, expected;
        QSize size = {300, 40};
    } rows[] = {{"inside stays", one, {100, 100}, {100, 100}},
                {"partly beyond the right edge stays", one, {1800, 500}, {1800, 500}},
                {"negative is pulled to the desktop's origin", one, {-50, -20}, {0, 0}},
                {"far beyond right and bottom", one, {4000, 1333}, {1620, 1040}},
                {"just past the right edge", one, {1920, 10}, {1620, 10}},
                {"below the screen keeps its left", one, {700, 1500}, {700, 1040}},
                {"on the second monitor stays", two, {2500, 600}, {2500, 600}},
                {"in the gap above the second monitor", two, {2500, 50}, {2500, 200}},
                {"beyond the second monitor", two, {9000, 700}, {2900, 700}},
                {"below both goes to the closer one", two, {2000, 5000}, {1620, 1040}},
                {"on a monitor at negative places stays", left, {-1000, -100}, {-1000, -100}},
                {"beyond the whole desktop's top-left", left, {-5000, -5000}, {-1280, -300}},
                {"no screens known: unchanged", {}, {4000, 1333}, {4000, 1333}},
                {"larger than the screen: its top-left on it", one, {3000, 3000}, {0, 0}, {2500, 1200}}};
    for (const auto& r : rows)
        EXPECT_EQ(core::PlaceOnScreens(QRect(r.at, r.size), r.screens), r.expected) << r.what;
}

} // namespace
