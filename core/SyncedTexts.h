#pragma once

#include "SettingsStore.h"

#include <QDate>
#include <QString>

#include <cstdint>

namespace core {

// The title, the two phrases and the target date with its yearly repeat: shared by both programs while
// Synchronize is 1.
struct SyncedTexts {
    QString Title;
    QString Target;
    QString TargetPassed;
    QString Date;                  // as stored
    std::int32_t RepeatYearly = 0; // 1: a passed date comes back every year

    bool Repeats() const { return RepeatYearly == 1; }

    bool operator==(const SyncedTexts&) const = default;
};

// "Common" when synchronize is 1, the program's own section for any other value.
Section SyncedSection(std::int32_t synchronize, Section own);

std::int32_t ReadSynchronize(const SettingsStore& store);

// Reads the shared values, as last saved by either program, from the section that synchronize selects;
// the date defaults to today.
SyncedTexts ReloadSyncedTexts(const SettingsStore& store, std::int32_t synchronize, Section own, QDate today);

// Writes Synchronize to "Common", then the shared values to the section it selects; the other section's
// copies are left as they are.
void WriteSyncedTexts(SettingsStore& store, std::int32_t synchronize, Section own, const SyncedTexts& texts,
                      QDate date);

} // namespace core
