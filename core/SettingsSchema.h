#pragma once

#include "SettingsStore.h"

#include <QDate>
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
// A Date key as stored text; today in the short date format when missing.
QString ReadDateText(const SettingsStore& store, Section section, const QString& key, QDate today);

void WriteWhole(SettingsStore& store, Section section, const QString& key, std::int32_t value);
void WriteBoolean(SettingsStore& store, Section section, const QString& key, bool value);
void WriteText(SettingsStore& store, Section section, const QString& key, const QString& value);
void WriteSingle(SettingsStore& store, Section section, const QString& key, float value);
void WriteDate(SettingsStore& store, Section section, const QString& key, QDate value);

} // namespace core
