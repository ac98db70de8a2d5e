#include "verbs.h"

#include "manager/csv_import.h"

#include "common/stderr_prompter.h"

#include <filesystem>

namespace vermil {

int importVerb(const std::string& indexPath, const QString& csvFile) {
    StderrPrompter prompter;
    CsvImport import(SealIndex(indexPath), prompter);
    const ImportResult result = import.run(std::filesystem::path(csvFile.toStdString()));
    switch (result.status) {
    case ImportStatus::Completed:
        return ExitOk;
    case ImportStatus::FileUnreadable:
        return ExitUsage;
    case ImportStatus::Stopped:
    case ImportStatus::Cancelled:
        break;
    }
    return ExitFault;
}

} // namespace vermil
