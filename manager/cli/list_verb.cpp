#include "verbs.h"

#include "sealfiles/seal_index.h"

#include "common/cp932.h"

namespace vermil {

int listVerb(const std::string& indexPath) {
    if (!requireIndex(indexPath))
        return ExitUsage;
    for (const std::string& name : SealIndex(indexPath).names())
        printLine(fromCp932(name));
    return ExitOk;
}

} // namespace vermil
