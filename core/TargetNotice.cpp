#include "TargetNotice.h"

#include "SettingsSchema.h"

namespace desk {

namespace {
const QString kLastNotified = QStringLiteral("LastNotified");
} // namespace

bool ShouldNotifyTarget(bool enabled, QDate today, std::optional<QDate> target, QDate lastNotified) {
    return enabled && target && *target == today && lastNotified != today;
}

QDate ReadLastNotified(const core::SettingsStore& store) {
    return QDate::fromString(core::ReadText(store, core::Section::Desktop, kLastNotified), Qt::ISODate);
}

bool SaveLastNotified(core::SettingsStore& store, QDate day) {
    core::WriteText(store, core::Section::Desktop, kLastNotified, day.toString(Qt::ISODate));
    return store.Commit();
}

} // namespace desk
