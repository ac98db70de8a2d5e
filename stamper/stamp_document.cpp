#include "stamp_document.h"

#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/hanko_settings.h"
#include "common/platform_identity.h"
#include "common/user_profile.h"
#include "document_start_dialogs.h"
#include "native_data.h"

namespace vermil {

CVermilinDoc::CVermilinDoc(Prompter& prompter, DocumentStartDialogs& dialogs)
    : CVermilinDoc(prompter, dialogs, locateDocumentsFolder()) {}

CVermilinDoc::CVermilinDoc(Prompter& prompter, DocumentStartDialogs& dialogs,
                           const std::optional<std::string>& documentsFolder)
    : hankoFolder_(chooseHankoFolder(documentsFolder, &prompter)),
      settingsFilePath_(vermil::settingsFilePath(hankoFolder_)) {
    readSettings();
    if (language_.empty())
        if (auto chosen = dialogs.chooseLanguage())
            language_ = std::move(*chosen);
    if (askForIndexSettingsWhenMissing(indexPath_, prompter))
        dialogs.editIndexSettings(*this);
    stamp_.programVersion = programVersionText;
    stamp_.computerName = computerName();
    stamp_.windowsUser = userName();
    stamp_.sizeX = "16";
    stamp_.sizeY = "16";
    readUserValues();
}

CVermilinDoc::~CVermilinDoc() {
    writeSettings();
}

void CVermilinDoc::readSettings() {
    const HankoSettings settings(nativePath(settingsFilePath_));
    setIndexPath(resolveIndexPath(settings, hankoFolder_));
    logEnabled_ = settings.log();
    logFilePath_ = stampLogPath(settings, hankoFolder_);
    logFormat_ = settings.logFormat();
    lastSeal_ = settings.listBox();
    language_ = settings.lang();
}

void CVermilinDoc::readUserValues() {
    const UserProfile profile(QString::fromLatin1(stamperProfileTitle));
    rememberPassword_ = profile.userValue(QStringLiteral("cpw"), QStringLiteral("0")) == "1";
    const QString autoStamp = profile.userValue(QStringLiteral("AutoStamp"), QStringLiteral("0"));
    autoStamp_ = autoStamp == "1" ? 1 : autoStamp == "2" ? 2 : 0;
    stamp_.drawing.copyToClipboard =
        profile.userValue(QStringLiteral("Clipboard"), QStringLiteral("0")) == "1";
}

// Written whether or not they changed; a failed write is not reported, and never
// escapes the destructor.
void CVermilinDoc::writeSettings() const noexcept {
    try {
        const HankoSettings settings(nativePath(settingsFilePath_));
        settings.setHankoLogFile(logFilePath_);
        settings.setLog(logEnabled_ != 0);
        settings.setLogFormat(logFormat_);
        settings.setListBox(lastSeal_);
        settings.setLang(language_);
    } catch (...) {
    }
}

void CVermilinDoc::setIndexPath(std::string_view path) {
    indexPath_ = path;
    sealFolder_ = sealFolderOf(indexPath_);
}

std::string CVermilinDoc::saveNativeData() {
    return writeNativeData(stamp_);
}

void CVermilinDoc::loadNativeData(std::string_view bytes) {
    readNativeData(bytes, stamp_);
}

} // namespace vermil
