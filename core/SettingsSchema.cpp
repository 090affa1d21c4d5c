#include "SettingsSchema.h"

#include "DateText.h"
#include "SettingsCodec.h"

#include <QDir>
#include <QHash>
#include <QStandardPaths>
#include <QStorageInfo>

#include <cstdlib>

namespace core {

namespace {

std::vector<KeyDef> BuildSchema() {
    std::vector<KeyDef> t;
    auto add = [&t](Section s, const char* name, Kind k, QString def) {
        t.push_back({s, QString::fromLatin1(name), k, std::move(def)});
    };
    const auto C = Section::Common, S = Section::ScreenSaver, D = Section::Desktop;
    const auto Int = Kind::Integer, Col = Kind::Colour, Bool = Kind::Boolean, Txt = Kind::Text;

    add(C, "Synchronize", Int, QStringLiteral("1"));
    // The shared texts and date (with its yearly repeat) live in all three sections; Synchronize picks which
    // one is read.
    for (Section s : {C, S, D}) {
        add(s, "Title", Txt, kDefaultTitle);
        add(s, "Target", Txt, kDefaultTarget);
        add(s, "TargetPassed", Txt, kDefaultTargetPassed);
        add(s, "Date", Kind::Date, QString());
        add(s, "DateISO", Txt, QString()); // written and read with Date
        add(s, "RepeatYearly", Int, QStringLiteral("0"));
    }
    add(C, "DesktopPath", Txt, QString());

    add(S, "IncludeDays", Int, QStringLiteral("0"));
    add(S, "Style", Int, QStringLiteral("0"));
    add(S, "ImageUsed", Int, QStringLiteral("0"));
    add(S, "ImageStyle", Int, QStringLiteral("0"));
    add(S, "ImageName", Txt, QString());
    add(S, "ImagePath", Txt, DefaultPictureFolder());
    add(S, "ImageSize", Int, QStringLiteral("0"));
    add(S, "ImageIndex", Int, QStringLiteral("1"));
    add(S, "ImageTag", Txt, QStringLiteral("Logo"));
    add(S, "ImageDrive", Txt, DefaultPictureDrive());
    add(S, "Position", Int, QStringLiteral("0"));
    add(S, "Direction", Int, QStringLiteral("0"));
    add(S, "HorizDirection", Int, QStringLiteral("0"));
    add(S, "VertDirection", Int, QStringLiteral("2"));
    add(S, "Horizontal", Int, QStringLiteral("0"));
    add(S, "Vertical", Int, QStringLiteral("0"));
    add(S, "Speed", Int, QStringLiteral("50"));
    add(S, "Background", Col, QStringLiteral("0"));
    for (int slot = 0; slot < 3; ++slot) {
        const QByteArray n = QByteArray::number(slot);
        add(S, ("TextFontName" + n).constData(), Txt, QStringLiteral("Arial"));
        add(S, ("TextFontSize" + n).constData(), Int, QStringLiteral("16"));
        add(S, ("TextFontColor" + n).constData(), Col, QStringLiteral("255"));
        add(S, ("TextFontBold" + n).constData(), Bool, QStringLiteral("True"));
        add(S, ("TextFontItalic" + n).constData(), Bool, QStringLiteral("False"));
        add(S, ("TextFontStrikethru" + n).constData(), Bool, QStringLiteral("False"));
        add(S, ("TextFontUnderline" + n).constData(), Bool, QStringLiteral("False"));
    }

    add(D, "RunStartup", Int, QStringLiteral("1"));
    add(D, "TrayNotification", Int, QStringLiteral("1"));
    add(D, "TopMost", Int, QStringLiteral("0"));
    add(D, "ToolTips", Int, QStringLiteral("1"));
    add(D, "Style", Int, QStringLiteral("0"));
    add(D, "TextFontName", Txt, QStringLiteral("Arial"));
    add(D, "TextFontSize", Int, QStringLiteral("16"));
    add(D, "TextFontColor", Col, QStringLiteral("255"));
    add(D, "TextFontBold", Bool, QStringLiteral("True"));
    add(D, "TextFontItalic", Bool, QStringLiteral("False"));
    add(D, "TextFontStrikethru", Bool, QStringLiteral("False"));
    add(D, "TextFontUnderline", Bool, QStringLiteral("False"));
    add(D, "BackgroundColor", Col, QStringLiteral("0"));
    add(D, "Transparent", Int, QStringLiteral("1"));
    add(D, "IncludeDays", Int, QStringLiteral("0"));
    add(D, "Movement", Int, QStringLiteral("0"));
    add(D, "Position", Int, QStringLiteral("0"));
    add(D, "Horizontal", Int, QStringLiteral("0"));
    add(D, "Vertical", Int, QStringLiteral("0"));
    add(D, "HorizDirection", Int, QStringLiteral("0"));
    add(D, "VertDirection", Int, QStringLiteral("0"));
    add(D, "Speed", Int, QStringLiteral("100"));
    add(D, "Interval", Int, QStringLiteral("0"));
    add(D, "OffSetHoriz", Int, QStringLiteral("0"));
    add(D, "OffSetVert", Int, QStringLiteral("0"));
    add(D, "PositionLeft", Kind::Single, QStringLiteral("0"));
    add(D, "PositionTop", Kind::Single, QStringLiteral("0"));
    add(D, "SetupLeft", Kind::Single, QStringLiteral("0"));
    add(D, "SetupTop", Kind::Single, QStringLiteral("0"));
    add(D, "SetupOption", Int, QStringLiteral("1"));
    add(D, "NotifyOnTarget", Int, QStringLiteral("1"));
    add(D, "LastNotified", Txt, QString()); // the day of the last target-day notification, yyyy-MM-dd
    return t;
}

QString Address(Section section, const QString& name) {
    return SectionName(section) + u'/' + name;
}

const QHash<QString, std::size_t>& Index() {
    static const QHash<QString, std::size_t> index = [] {
        QHash<QString, std::size_t> h;
        const auto& table = SettingsSchema();
        for (std::size_t i = 0; i < table.size(); ++i)
            h.insert(Address(table[i].section, table[i].name), i);
        return h;
    }();
    return index;
}

const KeyDef& Checked(Section section, const QString& key, std::initializer_list<Kind> kinds) {
    const KeyDef& def = FindKey(section, key);
    for (Kind k : kinds) {
        if (def.kind == k)
            return def;
    }
    qFatal("settings key %s read or written as the wrong kind", qPrintable(Address(section, key)));
}

} // namespace

const std::vector<KeyDef>& SettingsSchema() {
    static const std::vector<KeyDef> table = BuildSchema();
    return table;
}

const KeyDef& FindKey(Section section, const QString& name) {
    const auto it = Index().constFind(Address(section, name));
    if (it == Index().cend())
        qFatal("unknown settings key %s", qPrintable(Address(section, name)));
    return SettingsSchema()[*it];
}

namespace {
// Drive-letter file systems (Windows) keep the classic defaults of a picture folder and its drive.
bool DriveLetterPaths() {
    return QDir::separator() == u'\\';
}
} // namespace

QChar FolderSeparator() {
    return QDir::separator();
}

QString DefaultPictureFolder() {
    if (DriveLetterPaths())
        return QStringLiteral("c:\\");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString DefaultPictureDrive() {
    if (DriveLetterPaths())
        return QStringLiteral("c");
    // The mount point that holds the default folder; "/" when that cannot be told.
    const QStorageInfo storage(DefaultPictureFolder());
    return storage.isValid() && !storage.rootPath().isEmpty() ? storage.rootPath() : QStringLiteral("/");
}

std::int32_t ReadWhole(const SettingsStore& store, Section section, const QString& key) {
    const KeyDef& def = Checked(section, key, {Kind::Integer, Kind::Long, Kind::Colour, Kind::Single});
    if (const auto text = store.Get(section, key)) {
        if (const auto value = DecodeWhole(*text))
            return *value;
    }
    return DecodeWhole(def.defaultText).value_or(0);
}

bool ReadBoolean(const SettingsStore& store, Section section, const QString& key) {
    const KeyDef& def = Checked(section, key, {Kind::Boolean});
    if (const auto text = store.Get(section, key)) {
        if (const auto value = DecodeBoolean(*text))
            return *value;
    }
    return DecodeBoolean(def.defaultText).value_or(false);
}

QString ReadText(const SettingsStore& store, Section section, const QString& key) {
    const KeyDef& def = Checked(section, key, {Kind::Text});
    return store.Get(section, key).value_or(def.defaultText);
}

float ReadSingle(const SettingsStore& store, Section section, const QString& key) {
    const KeyDef& def = Checked(section, key, {Kind::Single});
    if (const auto text = store.Get(section, key)) {
        if (const auto value = DecodeSingle(*text))
            return *value;
    }
    return DecodeSingle(def.defaultText).value_or(0.0f);
}

QString ReadDateText(const SettingsStore& store, Section section, const QString& key, QDate today,
                     const QLocale& locale) {
    Checked(section, key, {Kind::Date});
    const auto text = store.Get(section, key);
    if (!text)
        return FormatShortDate(today, locale);
    const QString copy = store.Get(section, key + QStringLiteral("ISO")).value_or(QString());
    const qsizetype blank = copy.indexOf(u' ');
    if (blank > 0 && QStringView(copy).mid(blank + 1) == *text) {
        const QDate date = QDate::fromString(copy.left(blank), Qt::ISODate);
        if (date.isValid())
            return FormatShortDate(date, locale);
    }
    return *text;
}

void WriteWhole(SettingsStore& store, Section section, const QString& key, std::int32_t value) {
    Checked(section, key, {Kind::Integer, Kind::Long, Kind::Colour});
    store.Set(section, key, EncodeWhole(value));
}

void WriteBoolean(SettingsStore& store, Section section, const QString& key, bool value) {
    Checked(section, key, {Kind::Boolean});
    store.Set(section, key, EncodeBoolean(value));
}

void WriteText(SettingsStore& store, Section section, const QString& key, const QString& value) {
    Checked(section, key, {Kind::Text});
    store.Set(section, key, value);
}

void WriteSingle(SettingsStore& store, Section section, const QString& key, float value) {
    Checked(section, key, {Kind::Single});
    store.Set(section, key, EncodeSingle(value));
}

void WriteDate(SettingsStore& store, Section section, const QString& key, QDate value,
               const QLocale& locale) {
    Checked(section, key, {Kind::Date});
    const QString text = FormatShortDate(value, locale);
    store.Set(section, key, text);
    store.Set(section, key + QStringLiteral("ISO"), value.toString(Qt::ISODate) + u' ' + text);
}

} // namespace core
