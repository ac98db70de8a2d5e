#include "manager/cli/verbs.h"

#include "sealfiles/seal_index.h"

#include "common/cp932.h"

#include <ostream>

namespace vermil {

cli::ExitStatus listVerb(const cli::VerbCall& call) {
    const auto indexPath = chooseIndexPath(call);
    if (!indexPath)
        return cli::ExitStatus::UsageOrFileError;
    if (!noteMissingIndex(*indexPath, call))
        return cli::ExitStatus::Done;
    for (const std::string& name : SealIndex(*indexPath).names())
        call.out() << fromCp932(name).toStdString() << '\n';
    call.out().flush();
    return cli::ExitStatus::Done;
}

} // namespace vermil
