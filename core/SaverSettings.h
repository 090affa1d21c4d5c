#pragma once

#include "SettingsStore.h"
#include "SyncedTexts.h"
#include "TextFont.h"

#include <QDate>
#include <QSizeF>
#include <QString>

#include <array>
#include <cstdint>

namespace saver {

// The seven values that say which picture the screensaver shows.
struct PendingImage {
    std::int32_t ImageStyle = 0; // 0 base picture, 1 picture file
    QString ImageName;
    QString ImagePath; // always ends with the folder separator once loaded
    std::int32_t ImageSize = 0;
    std::int32_t ImageIndex = 1;
    QString ImageTag;
    QString ImageDrive;

    bool operator==(const PendingImage&) const = default;
};

// Every screensaver setting as loaded. The settings dialog's working copy has the same shape.
// The title, the phrases and the date are the part both programs share.
struct LoadedSettings : core::SyncedTexts {
    QDate Today;
    std::int32_t Synchronize = 1;
    std::int32_t ScreenHeight = 0; // twips
    std::int32_t ScreenWidth = 0;  // twips
    std::int32_t IncludeDays = 0;
    std::int32_t Style = 0;
    std::int32_t ImageUsed = 0;
    std::int32_t ImageStyle = 0;
    QString ImageName;
    QString ImagePath;
    std::int32_t ImageSize = 0;
    std::int32_t ImageIndex = 1;
    QString ImageTag;
    QString ImageDrive;
    std::int32_t Position = 0;
    std::int32_t Direction = 0;
    std::int32_t Speed = 50;
    std::int32_t Horizontal = 0;
    std::int32_t Vertical = 0;
    std::int32_t HorizDirection = 0;
    std::int32_t VertDirection = 2;
    std::int32_t Background = 0;
    // Font slots: 0 the title line, 1 the remaining time and Target text, 2 the Target Passed text.
    std::array<QString, 3> TextFontName;
    std::array<std::int32_t, 3> TextFontSize{};
    std::array<std::int32_t, 3> TextFontColor{};
    std::array<bool, 3> TextFontBold{};
    std::array<bool, 3> TextFontItalic{};
    std::array<bool, 3> TextFontStrikethru{};
    std::array<bool, 3> TextFontUnderline{};

    bool operator==(const LoadedSettings&) const = default;

    bool UsesImage() const { return ImageUsed == 1; }

    const core::SyncedTexts& Texts() const { return *this; }
    core::SyncedTexts& Texts() { return *this; }
    core::TextFont TextFont(int slot) const;
    void SetTextFont(int slot, const core::TextFont& font);
    PendingImage Image() const;
};

struct Loaded {
    LoadedSettings settings;
    PendingImage image;
};

// Reads every screensaver setting, the shared ones under the Synchronize rule. The screen size in
// twips comes from the caller and is rounded to whole twips.
Loaded LoadSettings(const core::SettingsStore& store, QSizeF screenTwips);

// What the settings dialog's OK writes: Synchronize and the shared values, then every screensaver key,
// the picture values from the image copy. False when the store could not be written.
bool SaveSettings(core::SettingsStore& store, const LoadedSettings& pending, QDate date,
                  const PendingImage& image);

} // namespace saver
