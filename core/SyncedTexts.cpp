#include "SyncedTexts.h"

#include "SettingsSchema.h"

namespace core {

Section SyncedSection(std::int32_t synchronize, Section own) {
    return synchronize == 1 ? Section::Common : own;
}

std::int32_t ReadSynchronize(const SettingsStore& store) {
    return ReadWhole(store, Section::Common, QStringLiteral("Synchronize"));
}

SyncedTexts ReloadSyncedTexts(const SettingsStore& store, std::int32_t synchronize, Section own,
                              QDate today) {
    // The other program may have saved these since this one read the store.
    store.Refresh();
    const Section s = SyncedSection(synchronize, own);
    SyncedTexts t;
    t.Title = ReadText(store, s, QStringLiteral("Title"));
    t.Target = ReadText(store, s, QStringLiteral("Target"));
    t.TargetPassed = ReadText(store, s, QStringLiteral("TargetPassed"));
    t.Date = ReadDateText(store, s, QStringLiteral("Date"), today);
    t.RepeatYearly = ReadWhole(store, s, QStringLiteral("RepeatYearly"));
    return t;
}

void WriteSyncedTexts(SettingsStore& store, std::int32_t synchronize, Section own, const SyncedTexts& texts,
                      QDate date) {
    WriteWhole(store, Section::Common, QStringLiteral("Synchronize"), synchronize);
    const Section s = SyncedSection(synchronize, own);
    WriteText(store, s, QStringLiteral("Title"), texts.Title);
    WriteText(store, s, QStringLiteral("Target"), texts.Target);
    WriteText(store, s, QStringLiteral("TargetPassed"), texts.TargetPassed);
    WriteDate(store, s, QStringLiteral("Date"), date);
    WriteWhole(store, s, QStringLiteral("RepeatYearly"), texts.RepeatYearly);
}

} // namespace core
