#include "DeskTimeLeft.h"

#include "DeskSettings.h"

#include "Clock.h"
#include "EffectiveTarget.h"

namespace desk {

namespace {

// The phrase has only blanks at its ends.
QString TrimBlanks(const QString& s) {
    qsizetype first = 0, last = s.size();
    while (first < last && s.at(first) == u' ')
        ++first;
    while (last > first && s.at(last - 1) == u' ')
        --last;
    return s.sliced(first, last - first);
}
} // namespace

QString CalculateTimeLeft(const core::TargetDate& target, const PhraseInputs& in, DisplayTexts& out) {
    return CalculateTimeLeft(core::Today(), target, in, out);
}

QString CalculateTimeLeft(QDate today, const core::TargetDate& target, const PhraseInputs& in,
                          DisplayTexts& out) {
    const auto date = core::TargetToDate(target);
    const auto left =
        date ? core::ComputeTimeLeft(today, core::EffectiveTarget(*date, today, in.Repeats())) : std::nullopt;
    if (!left)
        return core::DateCalculationFailureMessage(core::Program::Desktop);

    const bool oneLine = in.OneLine();
    out.TotalDaysText = left->TotalDaysText;
    if (left->TotalDays > 0) {
        const QString parenthesis = in.ShowsDays() ? left->TotalDaysText : QString();
        out.TargetReached = false;
        out.PhraseText = left->Phrase;
        out.DisplayText = oneLine ? in.Title + left->Phrase + parenthesis
                                  : in.Title + kLineBreak + TrimBlanks(left->Phrase) + parenthesis;
    } else if (left->TotalDays == 0) {
        out.TargetReached = true;
        out.DisplayText = in.Target;
    } else {
        out.TargetReached = true;
        out.DisplayText = in.TargetPassed + (oneLine ? QString() : kLineBreak) + left->TotalDaysText;
    }
    return {};
}

core::PrintResult PrintTexts(const core::SettingsStore& store) {
    const LoadedSettings s = LoadSettings(store);
    DisplayTexts texts;
    const QString failure = CalculateTimeLeft(
        s.Date, {s.Title, s.Target, s.TargetPassed, s.IncludeDays, s.Style, s.RepeatYearly}, texts);
    if (!failure.isEmpty())
        return {{}, core::SplitLines(failure), 1};
    return {texts.DisplayText.split(kLineBreak), {}, 0};
}

} // namespace desk
