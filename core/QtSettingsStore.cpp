#include "QtSettingsStore.h"

#include "AbandonedLock.h"
#include "IniText.h"

#include <QIODevice>

namespace core {

namespace {

bool ReadIni(QIODevice& device, QSettings::SettingsMap& map) {
    const IniMap values = ParseIniText(device.readAll());
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        map.insert(it.key(), it.value());
    return true;
}

bool WriteIni(QIODevice& device, const QSettings::SettingsMap& map) {
    IniMap values;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        values.insert(it.key(), it.value().toString());
    const QByteArray text = WriteIniText(values);
    return device.write(text) == text.size();
}

QSettings::Format TextIniFormat() {
    // Same extension and folders as Qt's own INI format, but every value stays text.
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), ReadIni, WriteIni);
    return format;
}

// QSettings takes "<file>.lock" for every save and would wait 30 s on one a killed writer left empty.
void ClearAbandonedLock(const QSettings& settings) {
    if (settings.format() == TextIniFormat())
        RemoveAbandonedLock(settings.fileName() + QStringLiteral(".lock"));
}

} // namespace

QtSettingsStore::QtSettingsStore() : settings_(OpenSettings({})) {}

QtSettingsStore::QtSettingsStore(const QString& iniFilePath)
    : iniFilePath_(iniFilePath), settings_(OpenSettings(iniFilePath)) {}

std::unique_ptr<QSettings> QtSettingsStore::OpenSettings(const QString& iniFilePath) {
    if (!iniFilePath.isEmpty())
        return std::make_unique<QSettings>(iniFilePath, TextIniFormat());
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\QVX\\Veltrane"),
        QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(TextIniFormat(), QSettings::UserScope, QStringLiteral("QVX"),
                                       QStringLiteral("Veltrane"));
#endif
}

std::optional<QString> QtSettingsStore::Get(Section section, const QString& key) const {
    const QVariant value = settings_->value(SectionName(section) + u'/' + key);
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void QtSettingsStore::Set(Section section, const QString& key, const QString& value) {
    const QString address = SectionName(section) + u'/' + key;
    settings_->setValue(address, value);
    unsaved_.insert(address, value);
}

bool QtSettingsStore::Commit() {
    // A QSettings keeps its first failure for good and then never reports a save again: after one,
    // start afresh from what is stored, with the values not yet saved put back on top.
    if (settings_->status() != QSettings::NoError) {
        settings_.reset();
        settings_ = OpenSettings(iniFilePath_);
        for (auto it = unsaved_.cbegin(); it != unsaved_.cend(); ++it)
            settings_->setValue(it.key(), it.value());
    }
    ClearAbandonedLock(*settings_);
    settings_->sync();
    if (settings_->status() != QSettings::NoError)
        return false;
    unsaved_.clear();
    return true;
}

void QtSettingsStore::Refresh() const {
    ClearAbandonedLock(*settings_); // a sync saves whatever is not saved yet
    settings_->sync();
}

QString QtSettingsStore::Location() const {
    return settings_->fileName();
}

} // namespace core
