#pragma once

#include <QString>

#include <optional>

namespace vermil {

// What a file chooser is asked for: the system's title, filter and default
// extension of each chooser, where it starts, and whether the file must exist.
struct FileChoice {
    enum class Purpose { Open, Save };
    Purpose purpose = Purpose::Open;
    QString title;
    QString filter;        // Qt's form: "LogFile(*.log);;全て(*.*)"
    QString defaultSuffix; // without the dot
    QString initialName;   // a file name, or a whole path
    QString folder;        // where the chooser opens; empty: the initial name's folder
    bool mustExist = false;
};

// How the logic asks the user for a file. The programs open a real chooser,
// tests answer from a script. nullopt when the user cancels.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::optional<QString> chooseFile(const FileChoice& choice) = 0;
};

} // namespace vermil
