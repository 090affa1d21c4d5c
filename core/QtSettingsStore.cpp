#include "QtSettingsStore.h"

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

} // namespace

QtSettingsStore::QtSettingsStore() {
#ifdef Q_OS_WIN
    settings_ = std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\QVX\\Veltrane"),
        QSettings::NativeFormat);
#else
    settings_ = std::make_unique<QSettings>(TextIniFormat(), QSettings::UserScope, QStringLiteral("QVX"),
                                            QStringLiteral("Veltrane"));
#endif
}

QtSettingsStore::QtSettingsStore(const QString& iniFilePath)
    : settings_(std::make_unique<QSettings>(iniFilePath, TextIniFormat())) {}

std::optional<QString> QtSettingsStore::Get(Section section, const QString& key) const {
    const QVariant value = settings_->value(SectionName(section) + u'/' + key);
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void QtSettingsStore::Set(Section section, const QString& key, const QString& value) {
    settings_->setValue(SectionName(section) + u'/' + key, value);
}

bool QtSettingsStore::Commit() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString QtSettingsStore::Location() const {
    return settings_->fileName();
}

} // namespace core
