#pragma once

#include "CommandLineText.h"
#include "SettingsStore.h"
#include "TimeLeft.h"

#include <QString>

#include <cstdint>

namespace saver {

// What the remaining-time calculation reads besides the date.
struct PhraseInputs {
    QString Title;
    QString Target;
    QString TargetPassed;
    std::int32_t IncludeDays = 0;
    std::int32_t RepeatYearly = 0; // 1: a passed date counts to its next yearly return

    bool ShowsDays() const { return IncludeDays == 1; }
    bool Repeats() const { return RepeatYearly == 1; }
};

// The two display lines and the state, overwritten by each successful calculation.
struct DisplayTexts {
    QString EventLine;
    QString TimeLine;
    std::int32_t DisplayState = 0; // 0 target ahead, 1 target day, 2 passed
    QString TotalDaysText;
};

// Fills the texts for today and the target. On failure the texts stay as they were and the message for
// the box is returned; on success the result is empty.
[[nodiscard]] QString CalculateTimeLeft(const core::TargetDate& target, const PhraseInputs& inputs,
                                        DisplayTexts& out);

// What --print writes: the title line and the remaining-time line for today from the stored settings.
core::PrintResult PrintTexts(const core::SettingsStore& store);

} // namespace saver
