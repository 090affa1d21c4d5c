#include "SaverSettings.h"

#include "Clock.h"
#include "Rounding.h"
#include "SettingsSchema.h"

namespace saver {

using core::Section;

namespace {

constexpr Section kOwn = Section::ScreenSaver;

QString Slot(const char* name, int slot) {
    return QString::fromLatin1(name) + QString::number(slot);
}

std::int32_t Whole(const core::SettingsStore& store, const char* key) {
    return core::ReadWhole(store, kOwn, QString::fromLatin1(key));
}

QString Text(const core::SettingsStore& store, const char* key) {
    return core::ReadText(store, kOwn, QString::fromLatin1(key));
}

} // namespace

PendingImage LoadedSettings::Image() const {
    return {ImageStyle, ImageName, ImagePath, ImageSize, ImageIndex, ImageTag, ImageDrive};
}

core::TextFont LoadedSettings::TextFont(int slot) const {
    return {TextFontName[slot],   TextFontSize[slot],       TextFontColor[slot],    TextFontBold[slot],
            TextFontItalic[slot], TextFontStrikethru[slot], TextFontUnderline[slot]};
}

void LoadedSettings::SetTextFont(int slot, const core::TextFont& font) {
    TextFontName[slot] = font.Name;
    TextFontSize[slot] = font.Size;
    TextFontColor[slot] = font.Color;
    TextFontBold[slot] = font.Bold;
    TextFontItalic[slot] = font.Italic;
    TextFontStrikethru[slot] = font.Strikethru;
    TextFontUnderline[slot] = font.Underline;
}

Loaded LoadSettings(const core::SettingsStore& store, QSizeF screenTwips) {
    LoadedSettings s;
    s.Today = core::Today();
    s.Synchronize = core::ReadSynchronize(store);
    s.Texts() = core::ReloadSyncedTexts(store, s.Synchronize, kOwn, s.Today);
    s.ScreenHeight = core::RoundToInt32(screenTwips.height());
    s.ScreenWidth = core::RoundToInt32(screenTwips.width());
    s.IncludeDays = Whole(store, "IncludeDays");
    s.Style = Whole(store, "Style");
    s.ImageUsed = Whole(store, "ImageUsed");
    s.ImageStyle = Whole(store, "ImageStyle");
    s.ImageName = Text(store, "ImageName");
    s.ImagePath = Text(store, "ImagePath");
    if (!s.ImagePath.endsWith(core::FolderSeparator()))
        s.ImagePath += core::FolderSeparator();
    s.ImageSize = Whole(store, "ImageSize");
    s.ImageIndex = Whole(store, "ImageIndex");
    s.ImageTag = Text(store, "ImageTag");
    s.ImageDrive = Text(store, "ImageDrive");
    s.Position = Whole(store, "Position");
    s.Direction = Whole(store, "Direction");
    s.Speed = Whole(store, "Speed");
    s.Horizontal = Whole(store, "Horizontal");
    s.Vertical = Whole(store, "Vertical");
    s.HorizDirection = Whole(store, "HorizDirection");
    s.VertDirection = Whole(store, "VertDirection");
    s.Background = Whole(store, "Background");
    for (int i = 0; i < 3; ++i) {
        s.TextFontName[i] = core::ReadText(store, kOwn, Slot("TextFontName", i));
        s.TextFontSize[i] = core::ReadWhole(store, kOwn, Slot("TextFontSize", i));
        s.TextFontColor[i] = core::ReadWhole(store, kOwn, Slot("TextFontColor", i));
        s.TextFontBold[i] = core::ReadBoolean(store, kOwn, Slot("TextFontBold", i));
        s.TextFontItalic[i] = core::ReadBoolean(store, kOwn, Slot("TextFontItalic", i));
        s.TextFontStrikethru[i] = core::ReadBoolean(store, kOwn, Slot("TextFontStrikethru", i));
        s.TextFontUnderline[i] = core::ReadBoolean(store, kOwn, Slot("TextFontUnderline", i));
    }
    return {s, s.Image()};
}

bool SaveSettings(core::SettingsStore& store, const LoadedSettings& p, QDate date,
                  const PendingImage& image) {
    core::WriteSyncedTexts(store, p.Synchronize, kOwn, p.Texts(), date);
    auto whole = [&store](const char* key, std::int32_t v) {
        core::WriteWhole(store, kOwn, QString::fromLatin1(key), v);
    };
    auto text = [&store](const char* key, const QString& v) {
        core::WriteText(store, kOwn, QString::fromLatin1(key), v);
    };
    whole("Style", p.Style);
    whole("Position", p.Position);
    whole("Direction", p.Direction);
    whole("IncludeDays", p.IncludeDays);
    whole("Speed", p.Speed);
    whole("Horizontal", p.Horizontal);
    whole("Vertical", p.Vertical);
    whole("HorizDirection", p.HorizDirection);
    whole("VertDirection", p.VertDirection);
    whole("Background", p.Background);
    whole("ImageUsed", p.ImageUsed);
    whole("ImageStyle", image.ImageStyle);
    text("ImageName", image.ImageName);
    text("ImagePath", image.ImagePath);
    whole("ImageSize", image.ImageSize);
    whole("ImageIndex", image.ImageIndex);
    text("ImageTag", image.ImageTag);
    text("ImageDrive", image.ImageDrive);
    for (int i = 0; i < 3; ++i) {
        core::WriteText(store, kOwn, Slot("TextFontName", i), p.TextFontName[i]);
        core::WriteWhole(store, kOwn, Slot("TextFontSize", i), p.TextFontSize[i]);
        core::WriteWhole(store, kOwn, Slot("TextFontColor", i), p.TextFontColor[i]);
        core::WriteBoolean(store, kOwn, Slot("TextFontBold", i), p.TextFontBold[i]);
        core::WriteBoolean(store, kOwn, Slot("TextFontItalic", i), p.TextFontItalic[i]);
        core::WriteBoolean(store, kOwn, Slot("TextFontStrikethru", i), p.TextFontStrikethru[i]);
        core::WriteBoolean(store, kOwn, Slot("TextFontUnderline", i), p.TextFontUnderline[i]);
    }
    return store.Commit();
}

} // namespace saver
