#include "DeskSetupRules.h"

#include "DateText.h"

namespace desk {

bool SettingsDiffer(const LoadedSettings& p, QDate pendingDate, const LoadedSettings& l) {
    if (p.Synchronize != l.Synchronize || p.RunStartup != l.RunStartup ||
        p.TrayNotification != l.TrayNotification || p.NotifyOnTarget != l.NotifyOnTarget ||
        p.TopMost != l.TopMost || p.ToolTips != l.ToolTips || p.Title != l.Title || p.Target != l.Target ||
        p.TargetPassed != l.TargetPassed)
        return true;
    // A stored text that is no supported date loads as no date: it counts as changed once a date is shown.
    const auto parsed = core::ParseDateText(l.Date);
    const QDate loadedDate = parsed && core::IsDateInRange(*parsed) ? *parsed : QDate();
    if (loadedDate != pendingDate || p.RepeatYearly != l.RepeatYearly)
        return true;
    if (p.TextFontName != l.TextFontName || p.TextFontSize != l.TextFontSize ||
        p.TextFontColor != l.TextFontColor || p.TextFontBold != l.TextFontBold ||
        p.TextFontItalic != l.TextFontItalic || p.TextFontStrikethru != l.TextFontStrikethru ||
        p.TextFontUnderline != l.TextFontUnderline || p.BackgroundColor != l.BackgroundColor)
        return true;
    return p.Style != l.Style || p.Transparent != l.Transparent || p.IncludeDays != l.IncludeDays ||
           p.Position != l.Position || p.Horizontal != l.Horizontal || p.Vertical != l.Vertical ||
           p.HorizDirection != l.HorizDirection || p.VertDirection != l.VertDirection ||
           p.Movement != l.Movement || p.Speed != l.Speed || p.Interval != l.Interval ||
           p.OffSetHoriz != l.OffSetHoriz || p.OffSetVert != l.OffSetVert;
}

SampleCaption SampleFor(const DisplayTexts& texts, const LoadedSettings& pending) {
    SampleCaption s;
    QString text;
    if (texts.TargetReached) {
        text = texts.DisplayText;
    } else {
        s.DaysEnabled = !texts.TotalDaysText.isEmpty();
        text = pending.Title;
        if (pending.Style != 0)
            text += kLineBreak;
        text += texts.PhraseText;
        if (pending.IncludeDays == 1)
            text += texts.TotalDaysText;
    }
    s.Text = text.replace(kLineBreak, QStringLiteral("\n"));
    return s;
}

std::int32_t DialogIntervalTimerMs(std::int32_t interval) {
    return interval < 1 ? 1 : 60000;
}

QString OffsetAmountText(bool horizontal, std::int32_t value) {
    return QString::number(horizontal ? -std::int64_t(value) : std::int64_t(value));
}

PositionControls PositionControlsFor(const PathOptions& p) {
    PositionControls c;
    switch (p.Position) {
    case 1:
        c.Known = true;
        c.ShowHoriz = false;
        c.HorizDirectEnabled = false;
        c.OffsetLeftLabel = QStringLiteral("Left");
        c.OffsetRightLabel = QStringLiteral("Right");
        c.VertSliderValue = p.OffSetVert;
        c.AmountText = OffsetAmountText(false, p.OffSetVert);
        c.OffsetEnabled = p.Vertical == 1;
        break;
    case 0:
        c.Known = true;
        c.ShowHoriz = true;
        c.VertDirectEnabled = false;
        c.OffsetLeftLabel = QStringLiteral("Lower");
        c.OffsetRightLabel = QStringLiteral("Higher");
        c.HorizSliderValue = p.OffSetHoriz;
        c.AmountText = OffsetAmountText(true, p.OffSetHoriz);
        c.OffsetEnabled = p.Horizontal == 1;
        break;
    case 2:
        c.Known = true;
        c.DirectionFrameEnabled = false;
        c.OffsetEnabled = false;
        c.AmountText = QStringLiteral("0");
        c.HorizDirectEnabled = c.VertDirectEnabled = false;
        c.HorizPlacementEnabled = c.VertPlacementEnabled = false;
        break;
    default:
        break;
    }
    return c;
}

QPointF DialogPlace(QPointF stored, double w, double h, double sw, double sh) {
    if (stored.x() > sw - w || stored.y() > sh - h || stored.x() < 0 || stored.y() < 0)
        return {sw / 2 - w / 2, sh / 2 - h / 2};
    return stored;
}

} // namespace desk
