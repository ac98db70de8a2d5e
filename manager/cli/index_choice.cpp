#include "verbs.h"

#include "sealfiles/seal_index.h"

#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/hanko_settings.h"
#include "common/stderr_prompter.h"

#include <filesystem>

namespace vermil {

std::optional<std::string> chooseIndexPath(const QString& option) {
    if (option.isEmpty()) {
        // The manager finds its hanko folder without a message.
        const std::string hankoFolder = findHankoFolder(nullptr);
        const HankoSettings settings(nativePath(settingsFilePath(hankoFolder)));
        return resolveIndexPath(settings, hankoFolder);
    }
    // A relative path has no folder part of its own: make the seal folder explicit.
    const auto absolute = std::filesystem::absolute(std::filesystem::path(option.toStdString()));
    auto path = cp932Path(absolute.lexically_normal());
    if (!path)
        printError(QStringLiteral("vrmgr: the index path ") + option +
                   QStringLiteral(" has characters without a Shift-JIS (CP932) form"));
    return path;
}

bool indexIsReadable(const std::string& indexPath) {
    const std::error_code problem = SealIndex(indexPath).fileProblem();
    if (problem)
        printError(QStringLiteral("vrmgr: the seal index ") + fromCp932(indexPath) +
                   QStringLiteral(" cannot be used: ") + QString::fromStdString(problem.message()));
    return !problem;
}

bool requireIndex(const std::string& indexPath) {
    if (indexFileExists(indexPath))
        return true;
    StderrPrompter prompter;
    prompter.askYesNo(
        QStringLiteral("WARNING 345: インデックスファイル ") + fromCp932(indexPath) +
            QStringLiteral(" が存在しません。\nインデックスファイル設定を行いますか？"),
        MessageIcon::Warning);
    return false;
}

} // namespace vermil
