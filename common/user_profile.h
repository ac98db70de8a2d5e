#pragma once

#include <QString>

#include <initializer_list>
#include <memory>
#include <utility>

class QSettings;

namespace vermil {

// The per-user store of one program: QSettings("Ombrel", programTitle), an INI
// file under $XDG_CONFIG_HOME/Ombrel/. The stamping program keeps its values in
// a section named after the user; the log checker uses the section TRAILSCAN.
class UserProfile {
public:
    explicit UserProfile(const QString& programTitle);
    // Over a store the caller made: a test's own store, or one given INI file.
    explicit UserProfile(std::unique_ptr<QSettings> settings);
    ~UserProfile();
    UserProfile(const UserProfile&) = delete;
    UserProfile& operator=(const UserProfile&) = delete;

    QString value(const QString& section, const QString& key, const QString& fallback) const;
    bool setValue(const QString& section, const QString& key, const QString& value);

    // The values of the logged-on user: AutoStamp, Clipboard, cpw, drowssap.
    QString userValue(const QString& key, const QString& fallback) const;
    bool setUserValue(const QString& key, const QString& value);
    // Values that belong together, written in one save: a process killed
    // midway leaves all of them old or all of them new.
    bool setUserValues(std::initializer_list<std::pair<QString, QString>> keysAndValues);

    QString fileName() const;

private:
    // Writes what is pending; false when the file could not be written.
    bool saved();

    std::unique_ptr<QSettings> settings_;
};

// Program titles under which each program keeps its per-user values.
inline const char* const stamperProfileTitle = "vermilin";
inline const char* const managerProfileTitle = "vrmgr";
inline const char* const checkerProfileTitle = "trailscan";

} // namespace vermil
