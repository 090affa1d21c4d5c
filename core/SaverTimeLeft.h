#pragma once

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

} // namespace saver
