#pragma once

#include "SettingsStore.h"

#include <QDate>
#include <QString>

#include <optional>

namespace desk {

// Whether the desktop program announces the target day now: the option is on, today is the target day,
// and no announcement has been made today yet (by this run or an earlier one).
bool ShouldNotifyTarget(bool enabled, QDate today, std::optional<QDate> target, QDate lastNotified);

// The announcement itself: the title as its summary, the Target text as its body.
struct TargetNotice {
    QString Summary;
    QString Body;
};

// The day of the last announcement, kept in the store so a restart on the same day stays quiet.
QDate ReadLastNotified(const core::SettingsStore& store);
bool SaveLastNotified(core::SettingsStore& store, QDate day);

} // namespace desk
