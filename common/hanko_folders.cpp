#include "hanko_folders.h"

#include "common/files/file_message_texts.h"
#include "common/interaction/prompter.h"
#include "cp932.h"

#include <QDir>
#include <QStandardPaths>

namespace vermil {

std::optional<std::string> locateDocumentsFolder(FolderUse use) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || (use == FolderUse::Write && !QDir().mkpath(documents)))
        return std::nullopt;
    return toCp932(QDir::cleanPath(documents));
}

std::string findHankoFolder(Prompter* errorsTo) {
    return chooseHankoFolder(locateDocumentsFolder(), errorsTo);
}

std::string chooseHankoFolder(const std::optional<std::string>& documentsFolder,
                              Prompter* errorsTo) {
    if (documentsFolder && !documentsFolder->empty())
        return *documentsFolder;
    if (errorsTo)
        errorsTo->showMessage(FileMessageTexts::of(Language::Japanese).noDocumentsFolder,
                              MessageIcon::None);
    return std::string(fallbackHankoFolder);
}

std::string settingsFilePath(std::string_view hankoFolder) {
    return std::string(hankoFolder) + "/hanko.ini";
}

std::string defaultIndexPath(std::string_view hankoFolder) {
    return std::string(hankoFolder) + "/vrdata/index.dat";
}

std::string resolveIndexPath(const HankoSettings& settings, std::string_view hankoFolder) {
    return absoluteIndexPath(settings.vermilDataFile(), hankoFolder);
}

std::string absoluteIndexPath(std::string_view path, std::string_view hankoFolder) {
    if (path.empty())
        return defaultIndexPath(hankoFolder);
    if (path.front() == '/')
        return std::string(path);
    return std::string(hankoFolder) + "/" + std::string(path);
}

bool indexFileExists(std::string_view indexPath) {
    std::error_code ec;
    return std::filesystem::exists(nativePath(indexPath), ec);
}

bool askForIndexSettingsWhenMissing(std::string_view indexPath, Prompter& prompter) {
    if (indexFileExists(indexPath))
        return false;
    return prompter.askYesNo(
        FileMessageTexts::of(Language::Japanese).indexMissing.arg(fromCp932(indexPath)),
        MessageIcon::Warning);
}

std::string folderOf(std::string_view path) {
    const std::size_t slash = cp932FindLastChar(path, '/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

std::string sealFolderOf(std::string_view indexPath) {
    return folderOf(indexPath) + "/";
}

std::string defaultStampLogPath(std::string_view hankoFolder) {
    return std::string(hankoFolder) + "/hanko.log";
}

std::string stampLogPath(const HankoSettings& settings, std::string_view hankoFolder) {
    const auto stored = settings.hankoLogFile();
    if (!stored)
        return defaultStampLogPath(hankoFolder);
    if (stored->empty())
        return std::string(hankoFolder) + "/hankolog.txt";
    return *stored;
}

std::string languageAtStart(const HankoSettings& settings, const QLocale& locale) {
    std::string language = settings.lang();
    if (!language.empty())
        return language;
    language = locale.language() == QLocale::Japanese ? "Japanese" : "English";
    settings.setLang(language);
    return language;
}

} // namespace vermil
