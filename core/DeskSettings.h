#pragma once

#include "MovementPath.h"
#include "SettingsStore.h"
#include "SyncedTexts.h"
#include "TextFont.h"

#include <QDate>
#include <QString>

#include <cstdint>

namespace desk {

// Every desktop-program setting as loaded. The settings dialog's working copy has the same shape.
// The title, the phrases and the date are the part both programs share; the placement and offsets are
// the part the movement runs read.
struct LoadedSettings : core::SyncedTexts, PathOptions {
    QDate Today;
    std::int32_t Synchronize = 1;
    std::int32_t RunStartup = 1;
    std::int32_t TrayNotification = 1;
    std::int32_t NotifyOnTarget = 1;
    std::int32_t TopMost = 0;
    std::int32_t ToolTips = 1;
    std::int32_t Style = 0;
    QString TextFontName;
    std::int32_t TextFontSize = 16;
    std::int32_t TextFontColor = 255;
    bool TextFontBold = true;
    bool TextFontItalic = false;
    bool TextFontStrikethru = false;
    bool TextFontUnderline = false;
    std::int32_t BackgroundColor = 0;
    std::int32_t Transparent = 1;
    std::int32_t IncludeDays = 0;
    std::int32_t Movement = 0;
    std::int32_t Speed = 100;
    std::int32_t Interval = 0;

    bool operator==(const LoadedSettings&) const = default;

    bool ShowsTrayIcon() const { return TrayNotification == 1; }
    bool NotifiesOnTarget() const { return NotifyOnTarget == 1; }
    bool StaysOnTop() const { return TopMost == 1; }
    bool ShowsHints() const { return ToolTips != 0; }
    bool SeeThrough() const { return Transparent == 1; }
    bool Moves() const { return Movement == 1; }

    const core::SyncedTexts& Texts() const { return *this; }
    core::SyncedTexts& Texts() { return *this; }
    core::TextFont TextFont() const;
    void SetTextFont(const core::TextFont& font);
};

LoadedSettings LoadSettings(const core::SettingsStore& store);

// The store side of saving: Synchronize and the shared values, then every desktop key. False when the
// store could not be written. Checking the date and acting on the start-up entry and the tray icon
// belong to the caller.
bool SaveSettings(core::SettingsStore& store, const LoadedSettings& pending, QDate date);

// The settings dialog's place (twips) and the options page last shown.
struct DialogPlacement {
    float Left = 0;
    float Top = 0;
    std::int32_t Option = 1;
};
DialogPlacement ReadDialogPlacement(const core::SettingsStore& store);
bool SaveDialogPlacement(core::SettingsStore& store, float left, float top, std::int32_t option);

// The display window's place, in twips.
struct WindowPosition {
    float Left = 0;
    float Top = 0;
};
WindowPosition ReadPosition(const core::SettingsStore& store);
bool SavePosition(core::SettingsStore& store, const WindowPosition& at);

} // namespace desk
