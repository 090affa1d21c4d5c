#include "SaverTimeLeft.h"

#include "SaverSettings.h"

#include "Clock.h"
#include "EffectiveTarget.h"

namespace saver {

QString CalculateTimeLeft(const core::TargetDate& target, const PhraseInputs& in, DisplayTexts& out) {
    const QDate today = core::Today();
    const auto date = core::TargetToDate(target);
    const auto left =
        date ? core::ComputeTimeLeft(today, core::EffectiveTarget(*date, today, in.Repeats())) : std::nullopt;
    if (!left)
        return core::DateCalculationFailureMessage(core::Program::ScreenSaver);

    out.TotalDaysText = left->TotalDaysText;
    if (left->TotalDays > 0) {
        out.DisplayState = 0;
        out.EventLine = in.Title;
        out.TimeLine = left->Phrase + (in.ShowsDays() ? left->TotalDaysText : QString());
    } else if (left->TotalDays == 0) {
        out.DisplayState = 1;
        out.EventLine.clear();
        out.TimeLine = in.Target;
    } else {
        out.DisplayState = 2;
        out.EventLine.clear();
        out.TimeLine = in.TargetPassed + left->TotalDaysText;
    }
    return {};
}

core::PrintResult PrintTexts(const core::SettingsStore& store) {
    const LoadedSettings s = LoadSettings(store, {}).settings;
    DisplayTexts texts;
    const QString failure =
        CalculateTimeLeft(s.Date, {s.Title, s.Target, s.TargetPassed, s.IncludeDays, s.RepeatYearly}, texts);
    if (!failure.isEmpty())
        return {{}, core::SplitLines(failure), 1};
    return {{texts.EventLine, texts.TimeLine}, {}, 0};
}

} // namespace saver
