#include "stamper/document/stamp_document.h"

#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/hanko_settings.h"
#include "common/platform_identity.h"
#include "common/user_profile.h"
#include "stamper/document/document_start_dialogs.h"
#include "stamper/document/native_data.h"
#include "stamper/document/stamper_user_values.h"

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
    currentComputer_ = computerName();
    currentUser_ = userName();
    stamp_.computerName = currentComputer_;
    stamp_.windowsUser = currentUser_;
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
    asRead_ = writtenBack();
}

CVermilinDoc::WrittenBack CVermilinDoc::writtenBack() const {
    return {logFilePath_, logEnabled_, logFormat_, lastSeal_, language_};
}

void CVermilinDoc::readUserValues() {
    const StamperUserValues values =
        readStamperUserValues(UserProfile(QString::fromLatin1(stamperProfileTitle)));
    rememberPassword_ = values.rememberPassword;
    autoStamp_ = values.autoStamp;
    stamp_.drawing.copyToClipboard = values.clipboard;
}

// A key is written when its value changed since it was read, or when the file
// lacks it (a first run fills hanko.ini). A failed write is not reported, and
// never escapes the destructor.
void CVermilinDoc::writeSettings() const noexcept {
    if (!writesSettingsAtClose_)
        return;
    try {
        const HankoSettings settings(nativePath(settingsFilePath_));
        const WrittenBack now = writtenBack();
        const auto due = [&](const HankoKey& key, bool changed) {
            return changed || !settings.readStored(key, 0).has_value();
        };
        if (due(hankokeys::hankoLogFile, now.logFilePath != asRead_.logFilePath))
            settings.setHankoLogFile(now.logFilePath);
        if (due(hankokeys::log, now.logEnabled != asRead_.logEnabled))
            settings.setLog(now.logEnabled != 0);
        if (due(hankokeys::logFormat, now.logFormat != asRead_.logFormat))
            settings.setLogFormat(now.logFormat);
        if (due(hankokeys::listBox, now.lastSeal != asRead_.lastSeal))
            settings.setListBox(now.lastSeal);
        if (due(hankokeys::lang, now.language != asRead_.language))
            settings.setLang(now.language);
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
