#include "manager/cli/verbs.h"

#include "manager/import/csv_import.h"

#include "common/interaction/stderr_prompter.h"

#include <filesystem>

namespace vermil {

cli::ExitStatus importVerb(const cli::VerbCall& call) {
    const auto indexPath = chooseIndexPath(call);
    if (!indexPath)
        return cli::ExitStatus::UsageOrFileError;
    StderrPrompter prompter(call.err());
    CsvImport import(SealIndex(*indexPath), prompter);
    const ImportResult result = import.run(std::filesystem::path(call.operands().at(0)));
    switch (result.status) {
    case ImportStatus::Completed:
        return cli::ExitStatus::Done;
    case ImportStatus::FileUnreadable:
        return cli::ExitStatus::UsageOrFileError;
    case ImportStatus::Stopped:
    case ImportStatus::Cancelled:
        break;
    }
    return cli::ExitStatus::Fault;
}

} // namespace vermil
