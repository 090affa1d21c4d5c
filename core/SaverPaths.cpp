#include "SaverPaths.h"

#include "Rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace saver {

namespace {

std::int32_t Rounded(double value) {
    return core::RoundToInt32(value);
}

// A coordinate moved by a step; it stops at the ends of its range instead of wrapping round (a
// hand-edited store can pair a path with a direction whose start never resets the coordinate).
std::int32_t Moved(std::int32_t from, std::int64_t by) {
    return std::int32_t(std::clamp<std::int64_t>(std::int64_t(from) + by,
                                                 std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

// Whole part of (n * r + 1), minus 1: 0 .. n-1 for r in [0, 1).
std::int32_t Pick(double r, int n) {
    return static_cast<std::int32_t>(std::floor(n * r + 1)) - 1;
}

} // namespace

BlockLayout LayOutBlock(std::int32_t style, TwipSize text, TwipSize time, ShowState& state) {
    if (style == 0) {
        const std::int32_t height = text.height > time.height ? text.height : time.height;
        text.height = height;
        time.height = height;
        state.BlockHeight = height;
        state.BlockWidth = text.width + time.width;
        state.TimeOffsetX = text.width;
        state.TimeOffsetY = 0;
    } else if (style == 1) {
        const std::int32_t width = text.width > time.width ? text.width : time.width;
        text.width = width;
        time.width = width;
        state.BlockWidth = width;
        state.BlockHeight = text.height + time.height;
        state.TimeOffsetX = 0;
        state.TimeOffsetY = text.height;
    }
    return {text, time};
}

LabelAlignment SetHorizontalPath(ShowState& s, const ShowArea& area, std::int32_t placement,
                                 std::int32_t direction) {
    if (placement == 0)
        s.TextY = 0;
    else if (placement == 1)
        s.TextY = Rounded(area.ScreenHeight / 2.0 - s.BlockHeight / 2.0);
    else if (placement == 2)
        s.TextY = area.ScreenHeight - s.BlockHeight;
    if (direction == 0)
        s.TextX = area.ScreenWidth;
    else if (direction == 1)
        s.TextX = -s.BlockWidth;
    s.PassPath = 0;
    s.PassPlacement = placement;
    s.PassDirection = direction;
    return LabelAlignment::Left;
}

LabelAlignment SetVerticalPath(ShowState& s, const ShowArea& area, std::int32_t placement,
                               std::int32_t direction) {
    LabelAlignment alignment = LabelAlignment::Left;
    if (placement == 0) {
        s.TextX = 0;
    } else if (placement == 1) {
        alignment = LabelAlignment::Centre;
        s.TextX = Rounded((area.ScreenWidth - s.BlockWidth) / 2.0);
    } else if (placement == 2) {
        s.TextX = area.ScreenWidth - s.BlockWidth;
    }
    if (direction == 2)
        s.TextY = -s.BlockHeight;
    else if (direction == 3)
        s.TextY = area.ScreenHeight;
    s.PassPath = 1;
    s.PassPlacement = placement;
    s.PassDirection = direction;
    return alignment;
}

RandomPath PickRandomPath(const RandomDraws& draws) {
    RandomPath path;
    path.kind = Pick(draws.kind, 2);
    path.placement = Pick(draws.placement, 3);
    path.direction = Pick(draws.direction, 2) + (path.kind == 1 ? 2 : 0);
    return path;
}

LabelAlignment ChoosePath(ShowState& state, const ShowArea& area, const PathSettings& settings,
                          const RandomDraws& draws) {
    switch (settings.Position) {
    case 0:
        return SetHorizontalPath(state, area, settings.Horizontal, settings.Direction);
    case 1:
        return SetVerticalPath(state, area, settings.Vertical, settings.Direction);
    case 2: {
        const RandomPath path = PickRandomPath(draws);
        if (path.kind == 0)
            return SetHorizontalPath(state, area, path.placement, path.direction);
        return SetVerticalPath(state, area, path.placement, path.direction);
    }
    default:
        return LabelAlignment::Left;
    }
}

bool ScrollStep(ShowState& s, const ShowArea& area, std::int32_t speed) {
    switch (s.PassDirection) {
    case 0:
        s.TextX = Moved(s.TextX, -std::int64_t(speed));
        return s.TextX < -s.BlockWidth;
    case 1:
        s.TextX = Moved(s.TextX, speed);
        return s.TextX > area.ScreenWidth;
    case 2:
        s.TextY = Moved(s.TextY, speed);
        return s.TextY > area.ScreenHeight + s.BlockHeight;
    case 3:
        s.TextY = Moved(s.TextY, -std::int64_t(speed));
        return s.TextY < -s.BlockHeight;
    default:
        return false;
    }
}

void PreviewStep(ShowState& s, std::int32_t direction, std::int32_t speed) {
    const double half = speed / 2.0;
    const std::int32_t p = s.PreviewExtent;
    // A half step of 0.5 twips rounds back onto an even position; move at least one twip.
    auto step = [](std::int32_t from, double by) {
        const std::int32_t to = Rounded(from + by);
        if (to == from && by != 0)
            return from + (by > 0 ? 1 : -1);
        return to;
    };
    switch (direction) {
    case 0:
        s.TextX = step(s.TextX, -half);
        if (s.TextX < -s.BlockWidth)
            s.TextX = p;
        break;
    case 1:
        s.TextX = step(s.TextX, half);
        if (s.TextX > p)
            s.TextX = -s.BlockWidth;
        break;
    case 2:
        s.TextX = 0;
        s.TimeOffsetX = 0;
        s.TextY = step(s.TextY, half);
        if (s.TextY > p - s.BlockHeight)
            s.TextY = -s.BlockHeight;
        break;
    case 3:
        s.TextX = 0;
        s.TimeOffsetX = 0;
        s.TextY = step(s.TextY, -half);
        if (s.TextY < -s.BlockHeight)
            s.TextY = p - s.BlockHeight;
        break;
    default:
        break;
    }
}

PicturePlace AdvancePictureToggle(std::int32_t& toggle) {
    toggle += 1;
    if (toggle == 1) {
        toggle = -1;
        return PicturePlace::A;
    }
    return PicturePlace::B;
}

void PlacePicture(ShowState& s, const ShowArea& area, TwipSize picture, PicturePlace place) {
    const double W = area.ScreenWidth, H = area.ScreenHeight;
    const double w = picture.width, h = picture.height, bh = s.BlockHeight;
    const bool a = place == PicturePlace::A;
    double x = 0, y = 0;
    if (s.PassPath == 0) {
        x = W / 2 - w / 2;
        switch (s.PassPlacement) {
        case 0:
            y = a ? bh : H - h;
            break;
        case 1:
            y = a ? H / 2 + bh / 2 : H / 2 - h - bh / 2;
            break;
        case 2:
            y = a ? 0 : H - h - bh;
            break;
        default:
            return;
        }
    } else if (s.PassPath == 1) {
        switch (s.PassPlacement) {
        case 0:
            x = W - w;
            y = a ? 0 : H - h;
            break;
        case 1:
            x = a ? 0 : W - w;
            y = H / 2 - h / 2;
            break;
        case 2:
            x = 0;
            y = a ? 0 : H - h;
            break;
        default:
            return;
        }
    } else {
        return;
    }
    s.PictureX = Rounded(x);
    s.PictureY = Rounded(y);
}

void PlacePreviewPicture(ShowState& s) {
    s.PictureX = Rounded(s.PreviewExtent / 2.0 - s.PictureWidth / 2.0);
    s.PictureY = s.TextY - s.PictureHeight;
}

} // namespace saver
