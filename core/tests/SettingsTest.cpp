#include "Clock.h"
#include "DateText.h"
#include "DeskSettings.h"
#include "IniFileBackend.h"
#include "IniText.h"
#include "MemoryStore.h"
#include "SaverSettings.h"
#include "SettingsCodec.h"
#include "SettingsSchema.h"
#include "SharedStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using core::Section;
const QDate kToday{2024, 5, 10};

TEST(SettingsCodec, WholeNumbers) {
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } rows[] = {{"-7", -7},
                {" 42 ", 42},
                {"+5", 5},
                {"2.5", 2},
                {"3.5", 4},
                {"1e3", 1000},
                {"-2147483648", INT32_MIN},
                {"2147483647", INT32_MAX},
                {"2147483648", std::nullopt},
                {"", std::nullopt},
                {"abc", std::nullopt},
                {"12abc", std::nullopt},
                {"inf", std::nullopt}};
    for (const auto& r : rows)
        EXPECT_EQ(core::DecodeWhole(QString::fromLatin1(r.text)), r.value) << "'" << r.text << "'";
    for (std::int32_t v : {0, -32768, 65536, INT32_MIN, INT32_MAX})
        EXPECT_EQ(core::DecodeWhole(core::EncodeWhole(v)), v);
}

TEST(SettingsCodec, Booleans) {
    const struct {
        const char* text;
        std::optional<bool> value;
    } rows[] = {{"True", true}, {"FALSE", false}, {" False ", false},    {"0", false},
                {"-1", true},   {"1", true},      {"yes", std::nullopt}, {"", std::nullopt}};
    for (const auto& r : rows)
        EXPECT_EQ(core::DecodeBoolean(QString::fromLatin1(r.text)), r.value) << "'" << r.text << "'";
    EXPECT_EQ(core::EncodeBoolean(true), QStringLiteral("True"));
    EXPECT_EQ(core::EncodeBoolean(false), QStringLiteral("False"));
}

TEST(SettingsCodec, SinglesInShortestForm) {
    const struct {
        float value;
        const char* text;
    } rows[] = {{0, "0"},      {1440, "1440"},       {-15, "-15"}, {1234.5f, "1234.5"},
                {0.1f, "0.1"}, {1000000, "1000000"}, {-0.0f, "0"}, {57600.25f, "57600.25"}};
    for (const auto& r : rows) {
        EXPECT_EQ(core::EncodeSingle(r.value), QString::fromLatin1(r.text));
        EXPECT_EQ(core::DecodeSingle(core::EncodeSingle(r.value)), r.value == 0 ? 0.0f : r.value);
    }
    EXPECT_FALSE(core::DecodeSingle(u"1e39").has_value()); // beyond single precision
    EXPECT_FALSE(core::DecodeSingle(u"left").has_value());
}

TEST(SettingsSchema, EveryKeyIsDefinedOnceAndItsDefaultReadsAsItsKind) {
    QSet<QString> seen;
    for (const auto& key : core::SettingsSchema()) {
        const QString address = core::SectionName(key.section) + u'/' + key.name;
        EXPECT_FALSE(seen.contains(address)) << address.toStdString();
        seen.insert(address);
        const auto reads = [&](auto decoded) { EXPECT_TRUE(decoded.has_value()) << address.toStdString(); };
        if (key.kind == core::Kind::Boolean)
            reads(core::DecodeBoolean(key.defaultText));
        else if (key.kind == core::Kind::Single)
            reads(core::DecodeSingle(key.defaultText));
        else if (key.kind == core::Kind::Integer || key.kind == core::Kind::Long ||
                 key.kind == core::Kind::Colour)
            reads(core::DecodeWhole(key.defaultText));
    }
}

// What an empty store loads beyond the schema's own defaults: today's date, the screen in whole twips,
// the picture folder's final separator and the two programs' own encodings.
TEST(LoadSettings, EmptyStoreGivesTheDefaultsInBothPrograms) {
    core::ScopedToday today(kToday);
    const MemoryStore empty;
    const auto loaded = saver::LoadSettings(empty, QSizeF(28800, 16200.4));
    const auto& saver = loaded.settings;
    const auto desk = desk::LoadSettings(empty);
    EXPECT_EQ(saver.Date, core::FormatShortDate(kToday));
    EXPECT_EQ(desk.Date, core::FormatShortDate(kToday));
    EXPECT_EQ(saver.Today, kToday);
    EXPECT_EQ(QSize(saver.ScreenWidth, saver.ScreenHeight), QSize(28800, 16200));
    EXPECT_EQ(saver.ImageTag, QStringLiteral("Logo"));
    EXPECT_TRUE(saver.ImagePath.endsWith(core::FolderSeparator())); // the picture folder gains one
    EXPECT_EQ(loaded.image.ImagePath, saver.ImagePath);             // the picture copy starts equal
    EXPECT_EQ(saver.VertDirection, 2); // the two programs encode the vertical direction differently
    EXPECT_EQ(desk.VertDirection, 0);
    EXPECT_EQ(desk.NotifyOnTarget, 1); // the notification is wanted until the box is cleared
    EXPECT_EQ(desk::ReadDialogPlacement(empty).Option, 1);
}

TEST(LoadSettings, SynchronizeSelectsTheSectionOfTheSharedTexts) {
    core::ScopedToday today(kToday);
    MemoryStore store;
    for (Section s : {Section::Common, Section::ScreenSaver, Section::Desktop})
        store.Put(s, QStringLiteral("Title"), core::SectionName(s));
    const struct {
        const char* synchronize; // nothing stored when null
        const char *saverTitle, *deskTitle;
    } rows[] = {
        {nullptr, "Common", "Common"},    {"1", "Common", "Common"},
        {"0", "ScreenSaver", "Desktop"},  {"2", "ScreenSaver", "Desktop"},
        {"-1", "ScreenSaver", "Desktop"}, {"garbage", "Common", "Common"}}; // unreadable: the default 1
    for (const auto& r : rows) {
        store.values.remove(QStringLiteral("Common/Synchronize"));
        if (r.synchronize)
            store.Put(Section::Common, QStringLiteral("Synchronize"), QString::fromLatin1(r.synchronize));
        EXPECT_EQ(saver::LoadSettings(store, {}).settings.Title, QString::fromLatin1(r.saverTitle));
        EXPECT_EQ(desk::LoadSettings(store).Title, QString::fromLatin1(r.deskTitle));
    }
}

// Both programs read through the same whole-number and yes/no readers, whose texts are the codec's
// tables: here their fallback to the default, and the values read apart from them.
TEST(LoadSettings, HandEditedValuesFallBackToTheirDefaults) {
    core::ScopedToday today(kToday);
    MemoryStore store;
    store.Put(Section::ScreenSaver, QStringLiteral("Speed"), QStringLiteral("fast"));
    store.Put(Section::ScreenSaver, QStringLiteral("TextFontBold1"), QStringLiteral("maybe"));
    store.Put(Section::Desktop, QStringLiteral("SetupLeft"), QStringLiteral("1234.5"));
    store.Put(Section::Common, QStringLiteral("Date"), QStringLiteral("not a date"));
    const QString pictures = QStringLiteral("pics") + core::FolderSeparator();
    store.Put(Section::ScreenSaver, QStringLiteral("ImagePath"), pictures);
    const auto s = saver::LoadSettings(store, {}).settings;
    EXPECT_EQ(s.ImagePath, pictures); // a final separator is not doubled
    EXPECT_EQ(s.Speed, 50);
    EXPECT_TRUE(s.TextFontBold[1]);
    // A date that is not a date is kept as stored, so the calculation can say so.
    EXPECT_EQ(s.Date, QStringLiteral("not a date"));
    EXPECT_EQ(desk::ReadDialogPlacement(store).Left, 1234.0f); // read back as a whole number
}

// The end-to-end screensaver dialog test reads back an edited title; the dialog's OK test the direction.
TEST(SaveSettings, ScreenSaverWritesEveryKeyAndRoundTrips) {
    core::ScopedToday today(kToday);
    MemoryStore store;
    auto loaded = saver::LoadSettings(store, {});
    saver::LoadedSettings p = loaded.settings;
    p.Synchronize = 0;
    p.Title = QStringLiteral("Wedding, at last");
    p.Speed = -3;
    p.TextFontItalic[2] = true;
    p.ImageIndex = 7; // only the picture copy is written
    saver::PendingImage image = loaded.image;
    image.ImageIndex = 4;
    image.ImageTag = QStringLiteral("Hammock");
    ASSERT_TRUE(saver::SaveSettings(store, p, {2025, 7, 13}, image));
    EXPECT_EQ(store.commits, 1);
    ASSERT_EQ(store.writes.size(), 7 + 18 + 21);
    EXPECT_EQ(store.writes.first(), QStringLiteral("Common/Synchronize")); // the only shared key written
    EXPECT_FALSE(store.values.contains(QStringLiteral("Common/Title")));   // the shared copy is untouched

    const auto back = saver::LoadSettings(store, {});
    EXPECT_EQ(back.settings.Title, p.Title);
    EXPECT_EQ(back.settings.Speed, -3);
    EXPECT_TRUE(back.settings.TextFontItalic[2]);
    EXPECT_EQ(back.settings.ImageIndex, 4);
    EXPECT_EQ(back.image, image);
    EXPECT_EQ(core::ParseDateText(back.settings.Date), QDate(2025, 7, 13));
}

TEST(SaveSettings, DesktopWritesInOrderAndReportsAFailedCommit) {
    core::ScopedToday today(kToday);
    MemoryStore store;
    desk::LoadedSettings p = desk::LoadSettings(store);
    p.Movement = 1;
    p.OffSetVert = -1500;
    p.TextFontStrikethru = true;
    ASSERT_TRUE(desk::SaveSettings(store, p, {2025, 7, 13}));
    ASSERT_EQ(store.writes.size(), 7 + 26);                       // the last one NotifyOnTarget
    EXPECT_EQ(store.writes.at(4), QStringLiteral("Common/Date")); // synchronised: the shared texts
    p.Date = core::FormatShortDate({2025, 7, 13});
    EXPECT_TRUE(desk::LoadSettings(store) == p); // every field reads back as saved

    ASSERT_TRUE(desk::SavePosition(store, {-450, 300.5f}));
    EXPECT_EQ(desk::ReadPosition(store).Left, -450.0f);
    EXPECT_EQ(desk::ReadPosition(store).Top, 300.5f);

    store.failCommit = true;
    EXPECT_FALSE(desk::SaveSettings(store, p, {2025, 7, 13}));
    EXPECT_FALSE(desk::SavePosition(store, {}));
}

TEST(SyncedTexts, SavingWithSynchronizeLeavesTheOwnCopiesForLater) {
    core::ScopedToday today(kToday);
    MemoryStore store;
    store.Put(Section::Desktop, QStringLiteral("Title"), QStringLiteral("own title"));
    store.Put(Section::Desktop, QStringLiteral("RepeatYearly"), QStringLiteral("1"));
    desk::LoadedSettings p = desk::LoadSettings(store);
    EXPECT_EQ(p.RepeatYearly, 0); // an older shared section without the key: no repeat
    p.Title = QStringLiteral("shared title");
    ASSERT_TRUE(desk::SaveSettings(store, p, kToday));
    EXPECT_EQ(store.values.value(QStringLiteral("Common/Title")), QStringLiteral("shared title"));
    EXPECT_EQ(store.values.value(QStringLiteral("Desktop/Title")), QStringLiteral("own title"));
    // The screensaver, synchronised, now shows the desktop's shared title.
    EXPECT_EQ(saver::LoadSettings(store, {}).settings.Title, QStringLiteral("shared title"));
}

// A saved date reads as the same day whatever the reader's locale; a date edited by hand, or saved by a
// program that keeps no locale-free copy, is read as it stands.
TEST(DateKey, ReadsTheSameDayInEveryLocale) {
    const QLocale britain(QLocale::English, QLocale::UnitedKingdom);
    MemoryStore saved;
    core::WriteDate(saved, Section::Common, QStringLiteral("Date"), {2030, 6, 5}, britain);
    MemoryStore edited = saved;
    edited.Put(Section::Common, QStringLiteral("Date"), QStringLiteral("24/12/2030"));
    MemoryStore older;
    older.Put(Section::Common, QStringLiteral("Date"), QStringLiteral("05/06/2030"));
    const struct {
        const MemoryStore& store;
        QLocale locale;
        const char* text;
    } rows[] = {{saved, britain, "05/06/2030"},
                {saved, QLocale(QLocale::English, QLocale::UnitedStates), "6/5/2030"},
                {saved, QLocale(QLocale::German, QLocale::Germany), "05.06.2030"},
                {saved, QLocale::c(), "5 Jun 2030"},
                {edited, QLocale(QLocale::German, QLocale::Germany), "24/12/2030"},
                {older, QLocale(QLocale::English, QLocale::UnitedStates), "05/06/2030"}};
    for (const auto& r : rows) {
        const QString text =
            core::ReadDateText(r.store, Section::Common, QStringLiteral("Date"), kToday, r.locale);
        EXPECT_EQ(text, QString::fromUtf8(r.text)) << r.locale.name().toStdString();
        if (&r.store == &saved) {
            EXPECT_EQ(core::ParseDateText(text, r.locale), QDate(2030, 6, 5))
                << r.locale.name().toStdString();
        }
    }
}

class IniStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path() const { return dir.filePath(QStringLiteral("QVX/Veltrane.ini")); }
    core::SharedStore Open() const {
        return core::SharedStore(std::make_unique<core::IniFileBackend>(
            Path(), core::IniFileBackend::LockFileLock(dir.filePath(QStringLiteral("writelock")))));
    }
    core::IniMap OnDisk() const {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? core::ParseIniText(file.readAll()) : core::IniMap{};
    }
};

// A file written by hand (byte order mark, CRLF, blanks, lines that are no key) reads as typed, and texts
// that a plain INI format would turn into lists or variants stay whole through a save and a new read.
TEST_F(IniStoreTest, TextsReadAndWriteAsTyped) {
    QDir().mkpath(dir.filePath(QStringLiteral("QVX")));
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBF; written by hand\r\n[Common]\r\nTitle=Smith,  Jones ,and Co\r\n"
               "Target=@Variant(xx)\r\nSynchronize = 0 \r\n\r\n[ScreenSaver]\r\nTitle = own, title\r\n"
               "ImagePath=C:\\Pictures\r\nTextFontBold0=False\r\nbroken line\r\n=no key\r\n");
    file.close();
    core::SharedStore store = Open();
    const auto s = saver::LoadSettings(store, {}).settings;
    EXPECT_EQ(s.Synchronize, 0);
    EXPECT_EQ(s.Title, QStringLiteral("own, title"));
    EXPECT_FALSE(s.TextFontBold[0]);
    EXPECT_TRUE(s.TextFontBold[1]);
    EXPECT_TRUE(s.ImagePath.startsWith(QStringLiteral("C:\\Pictures")));

    // Saving keeps what was written by hand in other keys; the quoting itself is the INI text test's.
    const QString text = QStringLiteral("  Grüße ☺\n@a = b ; c # d");
    store.Set(Section::Desktop, QStringLiteral("T"), text);
    ASSERT_TRUE(store.Commit());
    const core::SharedStore again = Open();
    EXPECT_EQ(again.Get(Section::Common, QStringLiteral("Title")), QStringLiteral("Smith,  Jones ,and Co"));
    EXPECT_EQ(again.Get(Section::Common, QStringLiteral("Target")), QStringLiteral("@Variant(xx)"));
    EXPECT_EQ(again.Get(Section::Desktop, QStringLiteral("T")), text);
    // Stored as UTF-8, as editors and the status-bar tools read it.
    QFile saved(Path());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains(QStringLiteral("Grüße ☺").toUtf8()));
    EXPECT_FALSE(again.Get(Section::Common, QStringLiteral("missing")).has_value());
}

// A save that fails says so and drops its values: no later save or reread writes them over what another
// program saved meanwhile (the dialog writes every value again on its next OK or Apply).
TEST_F(IniStoreTest, AFailedSaveSaysSoAndItsValuesAreNeverWrittenLater) {
    // A plain file where the folder should be: nothing can be created below it, not even by root.
    QFile blocker(dir.filePath(QStringLiteral("QVX")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    core::SharedStore store = Open();
    desk::LoadedSettings p = desk::LoadSettings(store);
    p.Title = QStringLiteral("cancelled after the failure");
    EXPECT_FALSE(desk::SaveSettings(store, p, kToday));

    ASSERT_TRUE(blocker.remove());
    core::SharedStore other = Open();
    other.Set(Section::Common, QStringLiteral("Title"), QStringLiteral("the other program's"));
    ASSERT_TRUE(other.Commit());
    store.Refresh();
    EXPECT_EQ(OnDisk().value(QStringLiteral("Common/Title")), QStringLiteral("the other program's"));
    store.Set(Section::Desktop, QStringLiteral("Speed"), QStringLiteral("7"));
    ASSERT_TRUE(store.Commit());
    const core::IniMap onDisk = OnDisk();
    EXPECT_EQ(onDisk.value(QStringLiteral("Desktop/Speed")), QStringLiteral("7"));
    EXPECT_EQ(onDisk.value(QStringLiteral("Common/Title")), QStringLiteral("the other program's"));
    EXPECT_EQ(store.Get(Section::Common, QStringLiteral("Title")), QStringLiteral("the other program's"));
}

// Another program's save is seen by its content, even when it keeps the file's size and time stamp (file
// systems with one- or two-second stamps), and counts as a change from outside; this store's own saves,
// however close together, do not; and one that lands while this store saves is merged and counted.
TEST_F(IniStoreTest, ChangesFromOutsideAreToldFromOwnSavesByContent) {
    core::SharedStore own = Open();
    core::SharedStore other = Open();
    const auto save = [](core::SharedStore& store, const char* key, const char* value) {
        store.Set(Section::Common, QString::fromLatin1(key), QString::fromLatin1(value));
        return store.Commit();
    };
    ASSERT_TRUE(save(own, "Date", "25/12/2026"));
    ASSERT_TRUE(save(own, "PositionLeft", "15"));
    EXPECT_FALSE(own.Refresh());
    EXPECT_EQ(own.OutsideChanges(), 0u);

    const QDateTime stamp = QFileInfo(Path()).lastModified();
    other.Refresh();
    ASSERT_TRUE(save(other, "Date", "26/12/2026"));
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    file.close();
    EXPECT_TRUE(own.Refresh());
    EXPECT_EQ(own.Get(Section::Common, QStringLiteral("Date")), QStringLiteral("26/12/2026"));
    EXPECT_EQ(own.OutsideChanges(), 1u);

    ASSERT_TRUE(save(other, "Title", "Theirs"));
    ASSERT_TRUE(save(own, "PositionLeft", "30"));
    EXPECT_EQ(own.OutsideChanges(), 2u);
    EXPECT_EQ(own.Get(Section::Common, QStringLiteral("Title")), QStringLiteral("Theirs"));
    EXPECT_EQ(OnDisk().value(QStringLiteral("Common/Title")), QStringLiteral("Theirs"));
    EXPECT_FALSE(own.Refresh());
}

} // namespace
