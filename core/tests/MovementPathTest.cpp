#include "MovementPath.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <tuple>
#include <vector>

namespace {

using desk::MovementPath;
using desk::PathGeometry;
using desk::PathOptions;
using desk::StepResult;

// A 1024 x 768 pixel screen at 15 twips per pixel, a window 3000 x 1000 twips with a client area of
// 200 x 67 pixels.
const PathGeometry kScreen{3000, 1000, 15360, 11520, 200, 67};

constexpr int kMax = std::numeric_limits<std::int32_t>::max();

// A path whose every field holds a marker, so fields a set-up must leave alone can be seen untouched.
const auto Marked = [] { return MovementPath{QStringLiteral("Marker"), 11, 22, 33, 44, 55, 66}; };

// Scripted "random" numbers.
desk::UniformSource Script(std::vector<double> values) {
    auto next = std::make_shared<std::size_t>(0);
    return [values, next] { return values.at((*next)++); };
}

TEST(PathSetup, HorizontalAndVerticalRuns) {
    const auto horizontal = &desk::HorizontalPathSetup;
    const auto vertical = &desk::VerticalPathSetup;
    const struct {
        decltype(horizontal) setup;
        int placement, direction;
        MovementPath expected;
        PathGeometry geometry = kScreen;
    } rows[] = {
        {horizontal, 0, 0, {QStringLiteral("Forward"), 18360, -200, 0, 44, 3000, 66}},
        {horizontal, 1, 0, {QStringLiteral("Forward"), 18360, -200, 5260, 44, 3000, 66}},
        {horizontal, 2, 1, {QStringLiteral("Backward"), -200, 18360, 10520, 44, 3000, 66}},
        {horizontal, 3, 1, {QStringLiteral("Backward"), -200, 18360, 33, 44, 3000, 66}}, // unknown placement
        {horizontal, 2, 2, {QStringLiteral("Marker"), 11, 22, 10520, 44, 55, 66}},       // unknown direction
        {vertical, 0, 0, {QStringLiteral("Downward"), -67, 12520, 33, 0, 55, 1000}},
        {vertical, 1, 1, {QStringLiteral("Upward"), 12520, -67, 33, 6180, 55, 1000}},
        {vertical, 2, 0, {QStringLiteral("Downward"), -67, 12520, 33, 12360, 55, 1000}},
        {vertical, 4, 1, {QStringLiteral("Upward"), 12520, -67, 33, 44, 55, 1000}}, // unknown placement
        {vertical, 5, 9, Marked()},                                                 // unknown direction too
        // An 8K screen is 115200 twips wide: far beyond 16 bits.
        {horizontal,
         2,
         0,
         {QStringLiteral("Forward"), 145200, -2000, 63800, 44, 30000, 66},
         {30000, 1000, 115200, 64800, 2000, 67}}};
    for (const auto& r : rows) {
        MovementPath path = Marked();
        r.setup(path, r.geometry, r.placement, r.direction);
        EXPECT_EQ(path, r.expected) << (r.setup == horizontal ? "horizontal " : "vertical ") << r.placement
                                    << " " << r.direction;
    }
}

TEST(PathSetup, CentreValuesEndingInAHalfGoToTheEvenNeighbour) {
    const struct {
        double screen, window;
        int expected;
    } rows[] = {{9801, 1000, 4400}, {9803, 1000, 4402}, {9802, 1000, 4401}, {1001, 2000, -500}};
    for (const auto& r : rows) {
        MovementPath horizontal, vertical;
        desk::HorizontalPathSetup(horizontal, {0, r.window, 0, r.screen, 0, 0}, 1, 0);
        desk::VerticalPathSetup(vertical, {r.window, 0, r.screen, 0, 0, 0}, 1, 0);
        EXPECT_EQ(horizontal.FixedTop, r.expected) << r.screen;
        EXPECT_EQ(vertical.FixedLeft, r.expected) << r.screen;
    }
}

TEST(PathSetup, MovementCoordinatesFollowsThePathKind) {
    const struct {
        PathOptions options;
        std::vector<double> random;
        QString direction;
        int fixedTop, fixedLeft;
    } rows[] = {// The window tests run a horizontal path forward and set a vertical one running upward.
                {{2, 0, 0, 0, 0, 0, 0}, {0.0, 0.0, 0.0}, QStringLiteral("Forward"), 0, 44},
                {{2, 0, 0, 0, 0, 0, 0}, {0.999, 0.3, 0.999}, QStringLiteral("Upward"), 33, 0},
                {{3, 0, 0, 0, 0, 0, 0}, {}, QStringLiteral("Marker"), 33, 44}};
    for (const auto& r : rows) {
        MovementPath path = Marked();
        desk::MovementCoordinates(path, kScreen, r.options, Script(r.random));
        EXPECT_EQ(path.Direction, r.direction) << r.options.Position;
        EXPECT_EQ(path.FixedTop, r.fixedTop) << r.options.Position;
        EXPECT_EQ(path.FixedLeft, r.fixedLeft) << r.options.Position;
    }
}

// Each of the 2 kinds x 3 placements x 2 directions can come out of the random set-up.
TEST(PathSetup, EveryRandomChoiceCanComeOut) {
    std::set<std::tuple<QString, int, int>> seen;
    for (double kind : {0.0, 0.999})
        for (double placement : {0.0, 0.5, 0.999})
            for (double direction : {0.0, 0.999}) {
                MovementPath path = Marked();
                desk::RandomPathSetup(path, kScreen, Script({kind, placement, direction}));
                seen.insert({path.Direction, path.FixedTop, path.FixedLeft});
            }
    EXPECT_EQ(seen.size(), 12u);
}

TEST(Movement, OneTickByDirection) {
    const struct {
        QString direction;
        int coordinate, end;
        StepResult result;
        int coordinateAfter, nextLeft, nextTop;
        int speed = 100;
    } rows[] = {
        {QStringLiteral("Forward"), 500, -200, StepResult::Moved, 400, -2600, 700},
        {QStringLiteral("Forward"), -200, -200, StepResult::Moved, -300, -3300, 700}, // equal still steps
        {QStringLiteral("Forward"), -201, -200, StepResult::RunEnded, -201, 0, 0},
        {QStringLiteral("Backward"), 18361, 18360, StepResult::RunEnded, 18361, 0, 0},
        {QStringLiteral("Downward"), -67, 12520, StepResult::Moved, 33, 800, -1967},
        {QStringLiteral("Downward"), 12521, 12520, StepResult::RunEnded, 12521, 0, 0},
        {QStringLiteral("Upward"), 12520, -67, StepResult::Moved, 12420, 800, 10420},
        {QStringLiteral("Upward"), -68, -67, StepResult::RunEnded, -68, 0, 0},
        {QStringLiteral("forward"), 500, -200, StepResult::NoPath, 500, 0, 0},
        // Hand-edited speeds: held to 1 .. 32767.
        {QStringLiteral("Forward"), 500, -200, StepResult::Moved, -32267, -35267, 700, kMax},
        {QStringLiteral("Upward"), 12520, -67, StepResult::Moved, 12519, 800, 10519, 0}};
    for (const auto& r : rows) {
        MovementPath path{r.direction, r.coordinate, r.end, 700, 800, 3000, 2000};
        const desk::StepOutcome out = desk::StepMovement(path, r.speed, PathOptions{});
        EXPECT_EQ(out.Result, r.result) << r.direction.toStdString() << " " << r.coordinate;
        EXPECT_EQ(path.Coordinate, r.coordinateAfter) << r.direction.toStdString() << " " << r.coordinate;
        if (r.result == StepResult::Moved) {
            EXPECT_EQ(out.NextLeft, r.nextLeft) << r.direction.toStdString();
            EXPECT_EQ(out.NextTop, r.nextTop) << r.direction.toStdString();
        }
    }
}

TEST(Movement, OffsetsApplyOnlyToACentredPlacementOfTheirOwnKind) {
    const struct {
        QString direction;
        int horizontal, vertical, nextLeft, nextTop;
        int offsetHoriz = 120, offsetVert = -45;
    } rows[] = {{QStringLiteral("Forward"), 1, 0, 17260, 700 + 120},
                {QStringLiteral("Forward"), 0, 1, 17260, 700},
                {QStringLiteral("Upward"), 1, 0, 800, 10000},
                {QStringLiteral("Upward"), 0, 1, 800 - 45, 10000},
                {QStringLiteral("Forward"), 1, 0, 17260, kMax, kMax,
                 0}, // hand-edited offsets stop at the range's end
                {QStringLiteral("Upward"), 0, 1, kMax, 10000, 0, kMax}};
    for (const auto& r : rows) {
        MovementPath path{r.direction, 20000, 0, 700, 800, 2640, 9900};
        const PathOptions placement{.Horizontal = r.horizontal,
                                    .Vertical = r.vertical,
                                    .OffSetHoriz = r.offsetHoriz,
                                    .OffSetVert = r.offsetVert};
        const desk::StepOutcome out = desk::StepMovement(path, 100, placement);
        EXPECT_EQ(out.NextLeft, r.nextLeft) << r.direction.toStdString() << r.horizontal << r.vertical;
        EXPECT_EQ(out.NextTop, r.nextTop) << r.direction.toStdString() << r.horizontal << r.vertical;
    }
}

// The window test ends pauses of 0, 1 and 2 minutes after 1, 1 and 2 ticks.
TEST(Pause, ACountAboveASmallerIntervalStillEnds) {
    desk::PauseCounter counter;
    EXPECT_FALSE(counter.Tick(10));
    EXPECT_FALSE(counter.Tick(10));
    EXPECT_TRUE(counter.Tick(2)); // 3 ticks counted, interval now 2
    EXPECT_EQ(counter.Ticks(), 0);
}

TEST(Pause, DescribeInterval) {
    const struct {
        int minutes;
        QString text;
    } rows[] = {{0, QStringLiteral("No Delay - Movement will repeat immediately.")},
                {1, QStringLiteral("Approximately: 1 minute")},
                {60, QStringLiteral("Approximately: 1 hour ")},
                {61, QStringLiteral("Approximately: 1 hour 1 minute")},
                {125, QStringLiteral("Approximately: 2 hours 5 minutes")}};
    for (const auto& r : rows)
        EXPECT_EQ(desk::DescribeInterval(r.minutes), r.text) << r.minutes;
}

} // namespace
