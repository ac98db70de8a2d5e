#include "user_profile.h"

#include "platform_identity.h"

#include <QSettings>

namespace vermil {

UserProfile::UserProfile(const QString& programTitle)
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Ombrel"), programTitle)) {}

UserProfile::UserProfile(const AtFile& file)
    : settings_(std::make_unique<QSettings>(file.fileName, QSettings::IniFormat)) {}

UserProfile::~UserProfile() = default;

QString UserProfile::value(const QString& section, const QString& key,
                           const QString& fallback) const {
    return settings_->value(section + QLatin1Char('/') + key, fallback).toString();
}

bool UserProfile::setValue(const QString& section, const QString& key, const QString& value) {
    settings_->setValue(section + QLatin1Char('/') + key, value);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString UserProfile::userValue(const QString& key, const QString& fallback) const {
    return value(QString::fromStdString(userName()), key, fallback);
}

bool UserProfile::setUserValue(const QString& key, const QString& value) {
    return setValue(QString::fromStdString(userName()), key, value);
}

bool UserProfile::setUserValues(std::initializer_list<std::pair<QString, QString>> keysAndValues) {
    const QString section = QString::fromStdString(userName());
    for (const auto& [key, value] : keysAndValues)
        settings_->setValue(section + QLatin1Char('/') + key, value);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

QString UserProfile::fileName() const {
    return settings_->fileName();
}

} // namespace vermil
