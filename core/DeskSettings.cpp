#include "DeskSettings.h"

#include "Clock.h"
#include "SettingsSchema.h"

namespace desk {

using core::Section;

namespace {

constexpr Section kOwn = Section::Desktop;

QString Key(const char* name) {
    return QString::fromLatin1(name);
}
std::int32_t Whole(const core::SettingsStore& store, const char* key) {
    return core::ReadWhole(store, kOwn, Key(key));
}
bool Boolean(const core::SettingsStore& store, const char* key) {
    return core::ReadBoolean(store, kOwn, Key(key));
}

} // namespace

core::TextFont LoadedSettings::TextFont() const {
    return {TextFontName,   TextFontSize,       TextFontColor,    TextFontBold,
            TextFontItalic, TextFontStrikethru, TextFontUnderline};
}

void LoadedSettings::SetTextFont(const core::TextFont& font) {
    TextFontName = font.Name;
    TextFontSize = font.Size;
    TextFontColor = font.Color;
    TextFontBold = font.Bold;
    TextFontItalic = font.Italic;
    TextFontStrikethru = font.Strikethru;
    TextFontUnderline = font.Underline;
}

LoadedSettings LoadSettings(const core::SettingsStore& store) {
    LoadedSettings s;
    s.Today = core::Today();
    s.Synchronize = core::ReadSynchronize(store);
    s.Texts() = core::ReloadSyncedTexts(store, s.Synchronize, kOwn, s.Today);
    s.RunStartup = Whole(store, "RunStartup");
    s.TrayNotification = Whole(store, "TrayNotification");
    s.NotifyOnTarget = Whole(store, "NotifyOnTarget");
    s.TopMost = Whole(store, "TopMost");
    s.ToolTips = Whole(store, "ToolTips");
    s.Style = Whole(store, "Style");
    s.TextFontName = core::ReadText(store, kOwn, Key("TextFontName"));
    s.TextFontSize = Whole(store, "TextFontSize");
    s.TextFontColor = Whole(store, "TextFontColor");
    s.TextFontBold = Boolean(store, "TextFontBold");
    s.TextFontItalic = Boolean(store, "TextFontItalic");
    s.TextFontStrikethru = Boolean(store, "TextFontStrikethru");
    s.TextFontUnderline = Boolean(store, "TextFontUnderline");
    s.BackgroundColor = Whole(store, "BackgroundColor");
    s.Transparent = Whole(store, "Transparent");
    s.IncludeDays = Whole(store, "IncludeDays");
    s.Movement = Whole(store, "Movement");
    s.Position = Whole(store, "Position");
    s.Horizontal = Whole(store, "Horizontal");
    s.Vertical = Whole(store, "Vertical");
    s.HorizDirection = Whole(store, "HorizDirection");
    s.VertDirection = Whole(store, "VertDirection");
    s.Speed = Whole(store, "Speed");
    s.Interval = Whole(store, "Interval");
    s.OffSetHoriz = Whole(store, "OffSetHoriz");
    s.OffSetVert = Whole(store, "OffSetVert");
    return s;
}

bool SaveSettings(core::SettingsStore& store, const LoadedSettings& p, QDate date) {
    core::WriteSyncedTexts(store, p.Synchronize, kOwn, p.Texts(), date);
    auto whole = [&store](const char* key, std::int32_t v) { core::WriteWhole(store, kOwn, Key(key), v); };
    auto boolean = [&store](const char* key, bool v) { core::WriteBoolean(store, kOwn, Key(key), v); };
    whole("RunStartup", p.RunStartup);
    whole("TrayNotification", p.TrayNotification);
    whole("TopMost", p.TopMost);
    whole("ToolTips", p.ToolTips);
    whole("Style", p.Style);
    core::WriteText(store, kOwn, Key("TextFontName"), p.TextFontName);
    whole("TextFontSize", p.TextFontSize);
    whole("TextFontColor", p.TextFontColor);
    boolean("TextFontBold", p.TextFontBold);
    boolean("TextFontItalic", p.TextFontItalic);
    boolean("TextFontStrikethru", p.TextFontStrikethru);
    boolean("TextFontUnderline", p.TextFontUnderline);
    whole("BackgroundColor", p.BackgroundColor);
    whole("Transparent", p.Transparent);
    whole("IncludeDays", p.IncludeDays);
    whole("Position", p.Position);
    whole("Horizontal", p.Horizontal);
    whole("Vertical", p.Vertical);
    whole("HorizDirection", p.HorizDirection);
    whole("VertDirection", p.VertDirection);
    whole("Movement", p.Movement);
    whole("Speed", p.Speed);
    whole("Interval", p.Interval);
    whole("OffSetHoriz", p.OffSetHoriz);
    whole("OffSetVert", p.OffSetVert);
    whole("NotifyOnTarget", p.NotifyOnTarget); // keys of this version after the original ones
    return store.Commit();
}

DialogPlacement ReadDialogPlacement(const core::SettingsStore& store) {
    // The dialog's place is stored as Singles but used as whole twips.
    return {static_cast<float>(Whole(store, "SetupLeft")), static_cast<float>(Whole(store, "SetupTop")),
            Whole(store, "SetupOption")};
}

bool SaveDialogPlacement(core::SettingsStore& store, float left, float top, std::int32_t option) {
    core::WriteSingle(store, kOwn, Key("SetupLeft"), left);
    core::WriteSingle(store, kOwn, Key("SetupTop"), top);
    core::WriteWhole(store, kOwn, Key("SetupOption"), option);
    return store.Commit();
}

WindowPosition ReadPosition(const core::SettingsStore& store) {
    return {core::ReadSingle(store, kOwn, Key("PositionLeft")),
            core::ReadSingle(store, kOwn, Key("PositionTop"))};
}

bool SavePosition(core::SettingsStore& store, const WindowPosition& at) {
    core::WriteSingle(store, kOwn, Key("PositionTop"), at.Top);
    core::WriteSingle(store, kOwn, Key("PositionLeft"), at.Left);
    return store.Commit();
}

} // namespace desk
