#pragma once

#include "CommandLineText.h"
#include "SettingsStore.h"
#include "TimeLeft.h"

#include <QString>

#include <cstdint>

namespace desk {

// What the remaining-time calculation reads besides the date.
struct PhraseInputs {
    QString Title;
    QString Target;
    QString TargetPassed;
    std::int32_t IncludeDays = 0;
    std::int32_t Style = 0;        // 0 one line, anything else two lines
    std::int32_t RepeatYearly = 0; // 1: a passed date counts to its next yearly return

    bool ShowsDays() const { return IncludeDays == 1; }
    bool OneLine() const { return Style == 0; }
    bool Repeats() const { return RepeatYearly == 1; }
};

// The texts the desktop window prints, overwritten by each successful calculation.
struct DisplayTexts {
    QString PhraseText; // only set while the target lies ahead
    QString DisplayText;
    bool TargetReached = false;
    QString TotalDaysText;
};

inline const QString kLineBreak = QStringLiteral("\r\n");

// Fills the texts for today and the target. On failure the texts stay as they were and the message for
// the box is returned; on success the result is empty.
[[nodiscard]] QString CalculateTimeLeft(const core::TargetDate& target, const PhraseInputs& inputs,
                                        DisplayTexts& out);
// The same for a given day instead of today.
[[nodiscard]] QString CalculateTimeLeft(QDate today, const core::TargetDate& target,
                                        const PhraseInputs& inputs, DisplayTexts& out);

// What --print writes: the desktop window's text for today from the stored settings, one line or two.
core::PrintResult PrintTexts(const core::SettingsStore& store);

} // namespace desk
