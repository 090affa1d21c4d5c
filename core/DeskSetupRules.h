#pragma once

#include "DeskSettings.h"
#include "DeskTimeLeft.h"
#include "MovementPath.h"

#include <QDate>
#include <QPointF>
#include <QString>

#include <cstdint>
#include <optional>

namespace desk {

// True when the settings dialog's working copy differs from the settings as loaded: texts exactly, the
// date as a date and its yearly repeat, and every option, colour, font and movement value. pendingDate is
// the date the dialog shows, invalid while it shows none.
bool SettingsDiffer(const LoadedSettings& pending, QDate pendingDate, const LoadedSettings& loaded);

// The working copy once settings saved elsewhere have been loaded while the dialog held edits: every
// field the user left alone (still equal to the settings loaded before) takes the newly loaded value,
// every edited field keeps the user's. The same holds for the date: pendingDate is the entry's date, or
// nothing while it holds no valid date.
struct FollowedSettings {
    LoadedSettings Pending;
    bool DateFollows = false; // the entry is to show the newly loaded date
};
FollowedSettings FollowLoadedSettings(const LoadedSettings& pending, std::optional<QDate> pendingDate,
                                      const LoadedSettings& before, const LoadedSettings& after);

// The settings dialog's sample for the last calculation: its caption (lines separated by "\n") and,
// while the target lies ahead, whether "Include Number of Days" can be used.
struct SampleCaption {
    QString Text;
    std::optional<bool> DaysEnabled; // nothing: leave the box as it is
};
SampleCaption SampleFor(const DisplayTexts& texts, const LoadedSettings& pending);

// The display window's pause timer as the dialog's delay slider sets it: 1 ms for no delay, else a
// minute.
std::int32_t DialogIntervalTimerMs(std::int32_t interval);

// Shown, enabled and labelled state of the position page for the pending path choices.
struct PositionControls {
    bool Known = false; // false: an unknown path kind only enables the option arrays
    bool DirectionFrameEnabled = true;
    std::optional<bool> ShowHoriz; // horizontal frames shown (else the vertical ones); nothing: as they are
    bool HorizDirectEnabled = true;
    bool VertDirectEnabled = true;
    bool HorizPlacementEnabled = true;
    bool VertPlacementEnabled = true;
    QString OffsetLeftLabel; // empty: unchanged
    QString OffsetRightLabel;
    std::optional<std::int32_t> HorizSliderValue;
    std::optional<std::int32_t> VertSliderValue;
    QString AmountText;
    bool OffsetEnabled = true; // the offset caption, end labels and the shown slider
};
PositionControls PositionControlsFor(const PathOptions& pending);

// The text under the offset slider: the horizontal slider's value negated (height above centre), the
// vertical one's as it is.
QString OffsetAmountText(bool horizontal, std::int32_t value);

// Where the dialog opens (twips): the stored place, or the centre of the screen when the stored place
// is negative or would push the dialog past the right or bottom edge.
QPointF DialogPlace(QPointF stored, double dialogWidth, double dialogHeight, double screenWidth,
                    double screenHeight);

} // namespace desk
