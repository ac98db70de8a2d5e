#pragma once

#include "sealfiles/seal_index.h"
#include "sealfiles/seal_writer.h"

#include "common/suite_version.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermil {

class Prompter;
struct CsvLine;

enum class ImportStatus {
    Completed,
    Stopped, // a check or a write stopped it; rows imported before stay
    FileUnreadable,
    Cancelled,
};

struct ImportResult {
    ImportStatus status = ImportStatus::Stopped;
    int imported = 0;
    // Imported rows whose password had lower-case letters, stored in capitals.
    int passwordsUpperCased = 0;
};

// Registers one seal per row of a CSV file into a seal index: the model of the
// import dialog and of `vrmgr --import`. The whole file is checked before the
// first seal is written; then the rows are written in file order, each like a
// registration, until the end or the first failure. Passwords are stored with
// their letters in capitals, as the password boxes type them, so that a seal
// imported with "keiri01" can be stamped with what a user types; the completion
// message says how many changed.
class CsvImport {
public:
    CsvImport(SealIndex index, Prompter& prompter,
              std::string versionText = std::string(indexVersionText));

    // Called before each row is written with the rows done and the rows to do;
    // returning false cancels the import there.
    void setProgress(std::function<bool(int done, int total)> progress);

    ImportResult run(const std::filesystem::path& csvFile);

    // A row's seal name and its line in the file.
    struct RowName {
        std::string name;
        std::size_t line = 0;
    };

private:
    // The row's seal; the problem (for a message) when the row may not be imported.
    struct Row {
        std::optional<SealRecord> seal;
        QString problem;
        bool passwordUpperCased = false;
    };
    Row readRow(const CsvLine& line, const std::filesystem::path& csvFile) const;
    struct FileCheck {
        int rows = 0;
        std::optional<ImportStatus> failed;
    };
    // The whole file (a regular file only), or nullopt after `unreadable` and the cause.
    std::optional<std::string> readFile(const std::filesystem::path& csvFile,
                                        const QString& unreadable);
    std::optional<QString> caseProblem(const RowName& row, const std::vector<RowName>& before,
                                       const std::vector<std::string>& registered,
                                       const std::filesystem::path& csvFile) const;
    FileCheck checkFile(const std::filesystem::path& csvFile);
    ImportResult importRows(const std::filesystem::path& csvFile, int rows);
    // False after the message that stops the import; `imported` rows are written before it.
    bool importRow(const SealRecord& seal, int imported);
    ImportResult stop(ImportStatus status, const QString& message, int imported);

    // Imported rows whose profile the seal folder lacks: registered all the same, as
    // the profile may be put there later, but the completion message names them.
    struct MissingProfile {
        std::size_t line = 0;
        std::string name;
        std::string profile;
    };
    std::vector<MissingProfile> missingProfiles_;

    SealIndex index_;
    Prompter& prompter_;
    std::string versionText_;
    std::function<bool(int, int)> progress_;
};

} // namespace vermil
