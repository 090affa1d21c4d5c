#pragma once

#include "SaverSettings.h"
#include "SaverTimeLeft.h"

#include <QDate>
#include <QString>

namespace saver {

// True when the working copy differs from the settings as loaded: texts exactly, the date as a date and its
// yearly repeat, every option, colour and font value, and the seven picture values. pendingDate is the
// date the dialog shows, invalid while it shows none; ImageUsed counts only as ticked (1) or not.
bool SettingsDiffer(const LoadedSettings& pending, QDate pendingDate, const PendingImage& pendingImage,
                    const LoadedSettings& loaded);

// What the settings dialog's two sample lines show for the last calculation.
struct SampleLines {
    bool update = false; // false: an unknown state leaves the sample as it is
    QString first;
    int firstFontSlot = 0;
    bool doubleHeight = false; // the first line spans both lines
    QString second;
    int secondFontSlot = 1;
    bool secondVisible = false;
};
SampleLines SampleFor(const DisplayTexts& texts, const LoadedSettings& pending);

} // namespace saver
