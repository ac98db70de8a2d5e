#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace vermil {

// The per-user store of one program: QSettings("Ombrel", programTitle), an INI
// file under $XDG_CONFIG_HOME/Ombrel/. The stamping program keeps its values in
// a section named after the user; the log checker uses the section TRAILSCAN.
class UserProfile {
public:
    explicit UserProfile(const QString& programTitle);
    ~UserProfile();
    UserProfile(const UserProfile&) = delete;
    UserProfile& operator=(const UserProfile&) = delete;

    QString value(const QString& section, const QString& key, const QString& fallback) const;
    bool setValue(const QString& section, const QString& key, const QString& value);

    // The values of the logged-on user: AutoStamp, Clipboard, cpw, drowssap.
    QString userValue(const QString& key, const QString& fallback) const;
    bool setUserValue(const QString& key, const QString& value);

    QString fileName() const;

private:
    std::unique_ptr<QSettings> settings_;
};

// Program titles under which each program keeps its per-user values.
inline const char* const stamperProfileTitle = "vermilin";
inline const char* const managerProfileTitle = "vrmgr";
inline const char* const checkerProfileTitle = "trailscan";

} // namespace vermil
