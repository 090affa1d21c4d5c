#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace desk {

// One run of the moving desktop window. All values are twips, 32-bit so that no screen size overflows.
struct MovementPath {
    QString Direction; // "Forward", "Backward", "Downward" or "Upward"; anything else: no path
    std::int32_t Coordinate = 0;
    std::int32_t EndCoordinate = 0;
    std::int32_t FixedTop = 0;
    std::int32_t FixedLeft = 0;
    std::int32_t WidthAdjust = 0;
    std::int32_t HeightAdjust = 0;

    bool operator==(const MovementPath&) const = default;
};

// The sizes a run is laid out from: the window and the screen in twips, the window's client area in
// pixels (used as twips for the off-screen stretch at the start or end of a run).
struct PathGeometry {
    double WindowWidth = 0;
    double WindowHeight = 0;
    double ScreenWidth = 0;
    double ScreenHeight = 0;
    std::int32_t ClientWidth = 0;
    std::int32_t ClientHeight = 0;
};

// The user's path choices: path kind, placement, direction and the offsets of a centred run.
struct PathOptions {
    std::int32_t Position = 0;       // 0 horizontal, 1 vertical, 2 random
    std::int32_t Horizontal = 0;     // 0 top, 1 centre, 2 bottom
    std::int32_t Vertical = 0;       // 0 left, 1 centre, 2 right
    std::int32_t HorizDirection = 0; // 0 forward (leftwards), 1 backward
    std::int32_t VertDirection = 0;  // 0 downward, 1 upward
    std::int32_t OffSetHoriz = 0;    // added to Top of a centred horizontal run
    std::int32_t OffSetVert = 0;     // added to Left of a centred vertical run

    bool operator==(const PathOptions&) const = default;
};

// Uniform numbers in [0, 1).
using UniformSource = std::function<double()>;
// A generator seeded from the clock.
UniformSource ClockSeededSource();

void HorizontalPathSetup(MovementPath& path, const PathGeometry& g, std::int32_t placement,
                         std::int32_t direction);
void VerticalPathSetup(MovementPath& path, const PathGeometry& g, std::int32_t placement,
                       std::int32_t direction);
// A horizontal or vertical run with a random placement and direction, each choice equally likely.
void RandomPathSetup(MovementPath& path, const PathGeometry& g, const UniformSource& uniform);
// Prepares the next run from the chosen path kind; an unknown kind leaves the path as it was.
void MovementCoordinates(MovementPath& path, const PathGeometry& g, const PathOptions& options,
                         const UniformSource& uniform);

// The largest step of a tick: the largest value of the 16-bit whole number a speed is stored as.
inline constexpr std::int32_t kMaxSpeed = 32767;

// The step a stored speed moves by: the dialog offers 1 to 100, and a hand-edited speed below 1 (which
// would stand still or run away from the end) moves by 1, one above kMaxSpeed by kMaxSpeed. The stored
// text is left as it is.
std::int32_t EffectiveSpeed(std::int32_t speed);

// One movement tick. A run ends on the first tick that begins with the coordinate past its end; until
// then each tick advances the coordinate by EffectiveSpeed(speed) and gives the window's next place (sums
// held to the 32-bit range, so hand-edited offsets cannot wrap round).
enum class StepResult { Moved, RunEnded, NoPath };
struct StepOutcome {
    StepResult Result = StepResult::NoPath;
    std::int32_t NextLeft = 0;
    std::int32_t NextTop = 0;
};
StepOutcome StepMovement(MovementPath& path, std::int32_t speed, const PathOptions& placement);

// Counts the pause between runs in ticks of the pause timer.
class PauseCounter {
public:
    // One tick; true when the pause is over (the count then starts again at 0).
    bool Tick(std::int32_t interval);
    std::int32_t Ticks() const { return ticks_; }

private:
    std::int32_t ticks_ = 0;
};

// The pause timer's period: 1 ms for no pause, else the display window's 58000 ms tick.
std::int32_t IntervalTimerMs(std::int32_t interval);

// The words for a pause of so many minutes, for the settings dialog.
QString DescribeInterval(std::int32_t minutes);

// The ranges of the two offset sliders (twips): the horizontal one runs from its positive "Lower" end
// to the negative "Higher" end, the vertical one from "Left" (negative) to "Right".
struct OffsetRange {
    std::int32_t Minimum = 0;
    std::int32_t Maximum = 0;
};
OffsetRange HorizontalOffsetRange(double screenHeight, double windowHeight);
OffsetRange VerticalOffsetRange(double screenWidth, double windowWidth);

} // namespace desk
