#include "DeskSetupRules.h"

#include "DateText.h"

#include <tuple>

namespace desk {

namespace {

// Every field the dialog edits and compares but the date, which the date entry holds as a date.
template <typename Visit> void ForEachEditedField(Visit&& visit) {
    using S = LoadedSettings;
    const auto fields = std::make_tuple(
        &S::Synchronize, &S::RunStartup, &S::TrayNotification, &S::NotifyOnTarget, &S::TopMost, &S::ToolTips,
        &S::Title, &S::Target, &S::TargetPassed, &S::RepeatYearly, &S::TextFontName, &S::TextFontSize,
        &S::TextFontColor, &S::TextFontBold, &S::TextFontItalic, &S::TextFontStrikethru,
        &S::TextFontUnderline, &S::BackgroundColor, &S::Style, &S::Transparent, &S::IncludeDays, &S::Position,
        &S::Horizontal, &S::Vertical, &S::HorizDirection, &S::VertDirection, &S::Movement, &S::Speed,
        &S::Interval, &S::OffSetHoriz, &S::OffSetVert);
    std::apply([&visit](auto... field) { (visit(field), ...); }, fields);
}

// The date the entry holds after showing a stored text: nothing when the text names no usable date.
std::optional<QDate> EntryDate(const QString& storedText) {
    const auto date = core::ParseDateText(storedText);
    if (date && core::IsDateInRange(*date))
        return date;
    return std::nullopt;
}

} // namespace

bool SettingsDiffer(const LoadedSettings& p, QDate pendingDate, const LoadedSettings& l) {
    // A stored text that is no supported date loads as no date: it counts as changed once a date is shown.
    bool differ = EntryDate(l.Date).value_or(QDate()) != pendingDate;
    ForEachEditedField([&](auto field) { differ = differ || p.*field != l.*field; });
    return differ;
}

FollowedSettings FollowLoadedSettings(const LoadedSettings& pending, std::optional<QDate> pendingDate,
                                      const LoadedSettings& before, const LoadedSettings& after) {
    // An entry without a valid date that was loaded without one too cannot be saved anyway: it follows.
    FollowedSettings f{pending, pendingDate == EntryDate(before.Date)};
    f.Pending.Today = after.Today;
    ForEachEditedField([&](auto field) {
        if (pending.*field == before.*field)
            f.Pending.*field = after.*field;
    });
    if (f.DateFollows)
        f.Pending.Date = after.Date;
    return f;
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
    case 0:
    case 1: {
        // A horizontal run's offset moves it up or down, a vertical run's left or right; each is offset
        // only from the centre.
        const bool horizontal = p.Position == 0;
        const std::int32_t offset = horizontal ? p.OffSetHoriz : p.OffSetVert;
        c.Known = true;
        c.ShowHoriz = horizontal;
        (horizontal ? c.VertDirectEnabled : c.HorizDirectEnabled) = false;
        c.OffsetLeftLabel = horizontal ? QStringLiteral("Lower") : QStringLiteral("Left");
        c.OffsetRightLabel = horizontal ? QStringLiteral("Higher") : QStringLiteral("Right");
        (horizontal ? c.HorizSliderValue : c.VertSliderValue) = offset;
        c.AmountText = OffsetAmountText(horizontal, offset);
        c.OffsetEnabled = (horizontal ? p.Horizontal : p.Vertical) == 1;
        break;
    }
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
