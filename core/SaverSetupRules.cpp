#include "SaverSetupRules.h"

#include "DateText.h"

namespace saver {

bool SettingsDiffer(const LoadedSettings& p, QDate pendingDate, const PendingImage& image,
                    const LoadedSettings& l) {
    if (p.Synchronize != l.Synchronize || p.Title != l.Title || p.Target != l.Target ||
        p.TargetPassed != l.TargetPassed)
        return true;
    // A stored text that is no supported date loads as no date: it counts as changed once a date is shown.
    const auto parsed = core::ParseDateText(l.Date);
    const QDate loadedDate = parsed && core::IsDateInRange(*parsed) ? *parsed : QDate();
    if (loadedDate != pendingDate || p.RepeatYearly != l.RepeatYearly)
        return true;
    if (p.Background != l.Background || p.Style != l.Style || p.IncludeDays != l.IncludeDays ||
        p.Position != l.Position || p.Direction != l.Direction || p.Horizontal != l.Horizontal ||
        p.Vertical != l.Vertical || p.HorizDirection != l.HorizDirection ||
        p.VertDirection != l.VertDirection || p.Speed != l.Speed || p.UsesImage() != l.UsesImage())
        return true;
    if (image != l.Image())
        return true;
    return p.TextFontName != l.TextFontName || p.TextFontSize != l.TextFontSize ||
           p.TextFontColor != l.TextFontColor || p.TextFontBold != l.TextFontBold ||
           p.TextFontItalic != l.TextFontItalic || p.TextFontStrikethru != l.TextFontStrikethru ||
           p.TextFontUnderline != l.TextFontUnderline;
}

SampleLines SampleFor(const DisplayTexts& texts, const LoadedSettings& pending) {
    SampleLines s;
    switch (texts.DisplayState) {
    case 0:
        s = {true, pending.Title, 0, false, texts.TimeLine, 1, true};
        break;
    case 1:
        s = {true, pending.Target, 1, true, QString(), 1, false};
        break;
    case 2:
        s = {true, pending.TargetPassed + texts.TotalDaysText, 2, true, QString(), 1, false};
        break;
    default:
        break;
    }
    return s;
}

} // namespace saver
