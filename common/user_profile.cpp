#include "user_profile.h"

#include "platform_identity.h"

#include <QSettings>

namespace vermil {

UserProfile::UserProfile(const QString& programTitle)
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Ombrel"), programTitle)) {}

UserProfile::UserProfile(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

UserProfile::~UserProfile() = default;

QString UserProfile::value(const QString& section, const QString& key,
                           const QString& fallback) const {
    return settings_->value(section + QLatin1Char('/') + key, fallback).toString();
}

bool UserProfile::setValue(const QString& section, const QString& key, const QString& value) {
    settings_->setValue(section + QLatin1Char('/') + key, value);
    return saved();
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
    return saved();
}

bool UserProfile::saved() {
    settings_->sync();
    // A format error only says that the file held a line the reader skipped; the
    // values were written all the same. Only a failed access is a failed save.
    return settings_->status() != QSettings::AccessError;
}

QString UserProfile::fileName() const {
    return settings_->fileName();
}

} // namespace vermil
