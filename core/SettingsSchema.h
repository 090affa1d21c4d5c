#pragma once

#include "SettingsStore.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <vector>

namespace core {

enum class Kind { Integer, Long, Colour, Boolean, Text, Single, Date };

struct KeyDef {
    Section section;
    QString name;
    Kind kind;
    // The default in its stored form. Date keys have none here: their default is the day of loading.
    QString defaultText;
};

// Every key of every section, once.
const std::vector<KeyDef>& SettingsSchema();
// The definition of a key; a key outside the table is a programming error.
const KeyDef& FindKey(Section section, const QString& name);

inline const QString kDefaultTitle = QStringLiteral("Main Title Text (Change this!!)");
inline const QString kDefaultTarget = QStringLiteral("Phrase upon reaching target date. (Change this!!)");
inline const QString kDefaultTargetPassed =
    QStringLiteral("Phrase when target date has passed. (Change this!!)");

// The folder separator of picture folders on this platform, and the default folder and drive.
QChar FolderSeparator();
QString DefaultPictureFolder();
QString DefaultPictureDrive();

// Typed reads: the stored value when it reads as the key's kind, the key's default otherwise.
std::int32_t ReadWhole(const SettingsStore& store, Section section, const QString& key);
bool ReadBoolean(const SettingsStore& store, Section section, const QString& key);
QString ReadText(const SettingsStore& store, Section section, const QString& key);
float ReadSingle(const SettingsStore& store, Section section, const QString& key);
// A Date key as text in the locale's short form; today when missing. Locales write and read short dates
// differently (05/06/2030 is 5 June in one, 6 May in another), so each save also keeps a copy of the
// date that reads the same everywhere, "<key>ISO": the ISO date, a blank, and the text saved beside it.
// The copy wins while the key still holds that text; a key edited by hand, or saved by a program that
// keeps no copy, is taken as it stands, even when it is not a date: the phrase calculation reports that.
QString ReadDateText(const SettingsStore& store, Section section, const QString& key, QDate today,
                     const QLocale& locale = QLocale::system());

void WriteWhole(SettingsStore& store, Section section, const QString& key, std::int32_t value);
void WriteBoolean(SettingsStore& store, Section section, const QString& key, bool value);
void WriteText(SettingsStore& store, Section section, const QString& key, const QString& value);
void WriteSingle(SettingsStore& store, Section section, const QString& key, float value);
void WriteDate(SettingsStore& store, Section section, const QString& key, QDate value,
               const QLocale& locale = QLocale::system());

} // namespace core
