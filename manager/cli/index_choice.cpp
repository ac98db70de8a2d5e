#include "manager/cli/verbs.h"

#include "manager/cli/vrmgr_verb_texts.h"

#include "manager/manager_dialog_texts.h"
#include "sealfiles/seal_index.h"

#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/hanko_settings.h"
#include "common/interaction/stderr_prompter.h"

#include <filesystem>
#include <ostream>

namespace vermil {
namespace {

// A folder, a device, a pipe or an oversized file at the index path is no seal index:
// say so rather than reading it as empty or waiting on it.
bool indexIsUsable(const std::string& indexPath, const cli::VerbCall& call) {
    const std::error_code problem = SealIndex(indexPath).fileProblem();
    if (problem)
        call.error() << fillPlaceholders(vrmgrVerbTexts().indexUnusable.toStdString(),
                                         {fromCp932(indexPath).toStdString(), problem.message()})
                     << "\n";
    return !problem;
}

std::optional<std::string> indexPathOf(const cli::VerbCall& call) {
    const auto option = call.value("--index");
    if (!option || option->empty()) {
        // The manager finds its hanko folder without a message.
        const std::string hankoFolder = findHankoFolder(nullptr);
        const HankoSettings settings(nativePath(settingsFilePath(hankoFolder)));
        return resolveIndexPath(settings, hankoFolder);
    }
    // A relative path has no folder part of its own: make the seal folder explicit.
    const auto absolute = std::filesystem::absolute(std::filesystem::path(*option));
    auto path = cp932Path(absolute.lexically_normal());
    if (!path)
        call.error() << fillPlaceholders(vrmgrVerbTexts().indexPathNotCp932.toStdString(),
                                         {*option})
                     << "\n";
    return path;
}

} // namespace

std::optional<std::string> chooseIndexPath(const cli::VerbCall& call) {
    auto path = indexPathOf(call);
    if (path && !indexIsUsable(*path, call))
        return std::nullopt;
    return path;
}

bool requireIndex(const std::string& indexPath, std::ostream& err) {
    if (indexFileExists(indexPath))
        return true;
    StderrPrompter prompter(err);
    prompter.askYesNo(managerdialogtexts::indexMissing(indexPath), MessageIcon::Warning);
    return false;
}

bool noteMissingIndex(const std::string& indexPath, const cli::VerbCall& call) {
    if (indexFileExists(indexPath))
        return true;
    call.error() << fillPlaceholders(vrmgrVerbTexts().noIndexNoSeals.toStdString(),
                                     {fromCp932(indexPath).toStdString()})
                 << "\n";
    return false;
}

} // namespace vermil
