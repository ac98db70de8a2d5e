#pragma once

// A home of its own for verbs run in this process, as a program started in a
// fresh home would have it: HOME and the XDG folders in a new folder (so its
// Documents folder is the hanko folder), the per-user store under its .config,
// and the working folder there. Everything is put back when it goes, so tests
// run one after another never see each other's files.
#include "tests/support/scoped_environment.h"
#include "tests/support/test_environment.h"

#include <QSettings>
#include <QString>

#include <filesystem>
#include <string_view>

namespace vermil::test {

class VerbHome {
public:
    VerbHome() : previousFolder_(std::filesystem::current_path()) {
        const char* config = std::getenv("XDG_CONFIG_HOME");
        previousUserPath_ = QString::fromLocal8Bit(config ? config : "");
        environment_.set("HOME", dir_.path().string());
        environment_.set("XDG_CONFIG_HOME", (dir_ / ".config").string());
        environment_.set("XDG_DATA_HOME", (dir_ / ".local/share").string());
        environment_.unset("VERMIL_PASSWORD");
        // QSettings takes its folder from XDG_CONFIG_HOME once per process.
        setUserPath(QString::fromStdString((dir_ / ".config").string()));
        std::filesystem::current_path(dir_.path());
    }
    ~VerbHome() {
        std::filesystem::current_path(previousFolder_);
        setUserPath(previousUserPath_);
    }
    VerbHome(const VerbHome&) = delete;
    VerbHome& operator=(const VerbHome&) = delete;

    const std::filesystem::path& path() const { return dir_.path(); }
    std::filesystem::path operator/(std::string_view name) const { return dir_ / name; }
    // For variables a test sets for its verbs (VERMIL_PASSWORD); put back with the home.
    ScopedEnvironment& environment() { return environment_; }

private:
    static void setUserPath(const QString& folder) {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    }

    TempDir dir_;
    ScopedEnvironment environment_;
    std::filesystem::path previousFolder_;
    QString previousUserPath_;
};

} // namespace vermil::test
