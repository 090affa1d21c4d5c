#include "MovementPath.h"

#include "Rounding.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <algorithm>
#include <limits>
#include <memory>

namespace desk {

namespace {

using core::RoundToInt32;

// floor(n * r) for r in [0, 1), kept inside 0..n-1 even for a source that strays onto 1.
std::int32_t Choose(std::int32_t n, double r) {
    const auto k = static_cast<std::int32_t>(n * r);
    return k < 0 ? 0 : (k >= n ? n - 1 : k);
}

// a + b held to the 32-bit range: a hand-edited offset can be any 32-bit number.
std::int32_t Sum(std::int32_t a, std::int32_t b) {
    return std::int32_t(std::clamp<std::int64_t>(std::int64_t(a) + b,
                                                 std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

} // namespace

UniformSource ClockSeededSource() {
    auto generator = std::make_shared<QRandomGenerator>(static_cast<quint32>(
        QDateTime::currentMSecsSinceEpoch() ^ (QDateTime::currentMSecsSinceEpoch() >> 32)));
    return [generator] { return generator->generateDouble(); };
}

void HorizontalPathSetup(MovementPath& path, const PathGeometry& g, std::int32_t placement,
                         std::int32_t direction) {
    switch (placement) {
    case 0:
        path.FixedTop = 0;
        break;
    case 1:
        path.FixedTop = RoundToInt32(g.ScreenHeight / 2 - g.WindowHeight / 2);
        break;
    case 2:
        path.FixedTop = RoundToInt32(g.ScreenHeight - g.WindowHeight);
        break;
    default:
        break;
    }
    const std::int32_t farEnd = RoundToInt32(g.WindowWidth + g.ScreenWidth);
    const std::int32_t nearEnd = -g.ClientWidth;
    if (direction == 0) {
        path.Direction = QStringLiteral("Forward");
        path.Coordinate = farEnd;
        path.EndCoordinate = nearEnd;
    } else if (direction == 1) {
        path.Direction = QStringLiteral("Backward");
        path.Coordinate = nearEnd;
        path.EndCoordinate = farEnd;
    } else {
        return;
    }
    path.WidthAdjust = RoundToInt32(g.WindowWidth);
}

void VerticalPathSetup(MovementPath& path, const PathGeometry& g, std::int32_t placement,
                       std::int32_t direction) {
    switch (placement) {
    case 0:
        path.FixedLeft = 0;
        break;
    case 1:
        path.FixedLeft = RoundToInt32(g.ScreenWidth / 2 - g.WindowWidth / 2);
        break;
    case 2:
        path.FixedLeft = RoundToInt32(g.ScreenWidth - g.WindowWidth);
        break;
    default:
        break;
    }
    const std::int32_t farEnd = RoundToInt32(g.WindowHeight + g.ScreenHeight);
    const std::int32_t nearEnd = -g.ClientHeight;
    if (direction == 0) {
        path.Direction = QStringLiteral("Downward");
        path.Coordinate = nearEnd;
        path.EndCoordinate = farEnd;
    } else if (direction == 1) {
        path.Direction = QStringLiteral("Upward");
        path.Coordinate = farEnd;
        path.EndCoordinate = nearEnd;
    } else {
        return;
    }
    path.HeightAdjust = RoundToInt32(g.WindowHeight);
}

void RandomPathSetup(MovementPath& path, const PathGeometry& g, const UniformSource& uniform) {
    const std::int32_t kind = Choose(2, uniform());
    const std::int32_t placement = Choose(3, uniform());
    const std::int32_t direction = Choose(2, uniform());
    if (kind == 0)
        HorizontalPathSetup(path, g, placement, direction);
    else
        VerticalPathSetup(path, g, placement, direction);
}

void MovementCoordinates(MovementPath& path, const PathGeometry& g, const PathOptions& o,
                         const UniformSource& uniform) {
    switch (o.Position) {
    case 0:
        HorizontalPathSetup(path, g, o.Horizontal, o.HorizDirection);
        break;
    case 1:
        VerticalPathSetup(path, g, o.Vertical, o.VertDirection);
        break;
    case 2:
        RandomPathSetup(path, g, uniform);
        break;
    default:
        break;
    }
}

std::int32_t EffectiveSpeed(std::int32_t speed) {
    return std::clamp(speed, 1, kMaxSpeed);
}

StepOutcome StepMovement(MovementPath& path, std::int32_t speed, const PathOptions& placement) {
    StepOutcome out;
    const bool forward = path.Direction == QLatin1String("Forward");
    const bool backward = path.Direction == QLatin1String("Backward");
    const bool downward = path.Direction == QLatin1String("Downward");
    const bool upward = path.Direction == QLatin1String("Upward");
    if (!(forward || backward || downward || upward))
        return out;

    const bool decreasing = forward || upward;
    if (decreasing ? path.Coordinate < path.EndCoordinate : path.Coordinate > path.EndCoordinate) {
        out.Result = StepResult::RunEnded;
        return out;
    }
    const std::int32_t step = EffectiveSpeed(speed);
    path.Coordinate = Sum(path.Coordinate, decreasing ? -step : step);
    if (forward || backward) {
        out.NextLeft = Sum(path.Coordinate, -path.WidthAdjust);
        out.NextTop = Sum(path.FixedTop, placement.Horizontal == 1 ? placement.OffSetHoriz : 0);
    } else {
        out.NextTop = Sum(path.Coordinate, -path.HeightAdjust);
        out.NextLeft = Sum(path.FixedLeft, placement.Vertical == 1 ? placement.OffSetVert : 0);
    }
    out.Result = StepResult::Moved;
    return out;
}

bool PauseCounter::Tick(std::int32_t interval) {
    ++ticks_;
    // ">=" rather than "==": a count can never be stranded above a smaller interval.
    if (interval <= 0 || ticks_ >= interval) {
        ticks_ = 0;
        return true;
    }
    return false;
}

std::int32_t IntervalTimerMs(std::int32_t interval) {
    return interval < 1 ? 1 : 58000;
}

QString DescribeInterval(std::int32_t minutes) {
    const std::int32_t hours = minutes / 60;
    const std::int32_t rest = minutes - hours * 60;
    if (hours == 0 && rest == 0)
        return QStringLiteral("No Delay - Movement will repeat immediately.");
    QString hoursPart;
    if (hours >= 1)
        hoursPart =
            QString::number(hours) + (hours == 1 ? QStringLiteral(" hour ") : QStringLiteral(" hours "));
    QString minutesPart;
    if (rest >= 1)
        minutesPart =
            QString::number(rest) + (rest == 1 ? QStringLiteral(" minute") : QStringLiteral(" minutes"));
    return QStringLiteral("Approximately: ") + hoursPart + minutesPart;
}

OffsetRange HorizontalOffsetRange(double screenHeight, double windowHeight) {
    const double half = screenHeight / 2 - windowHeight / 2;
    return {RoundToInt32(half), RoundToInt32(-half)};
}

OffsetRange VerticalOffsetRange(double screenWidth, double windowWidth) {
    const double half = screenWidth / 2 - windowWidth / 2;
    return {RoundToInt32(-half), RoundToInt32(half)};
}

} // namespace desk
