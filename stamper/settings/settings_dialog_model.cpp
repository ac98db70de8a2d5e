#include "stamper/settings/settings_dialog_model.h"

#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/hanko_settings.h"
#include "common/interaction/chooser_folder.h"
#include "common/interaction/file_chooser.h"
#include "common/interaction/prompter.h"
#include "common/user_profile.h"
#include "stamper/document/stamp_document.h"
#include "stamper/document/stamper_user_values.h"
#include "stamper/settings/settings_dialog_texts.h"

#include <QFileInfo>

namespace vermil {
SettingsDialogModel::SettingsDialogModel(Prompter& prompter, UserProfile& profile,
                                         const HankoSettings& settings, CVermilinDoc& document)
    : prompter_(prompter), profile_(profile), settings_(settings), document_(document),
      language_(languageOf(document.language())), hankoFolder_(document.hankoFolder()),
      indexPath_(fromCp932(document.indexPath())), languages_{QStringLiteral("English"),
                                                              QStringLiteral("Japanese")} {
    const StamperUserValues values = readStamperUserValues(profile_);
    autoStamp_ = values.autoStamp;
    clipboard_ = values.clipboard;
    languageRow_ = static_cast<int>(languages_.indexOf(fromCp932(document.language())));
}

void SettingsDialogModel::setLanguageRow(int row) {
    languageRow_ = row >= 0 && row < languages_.size() ? row : -1;
}

bool SettingsDialogModel::browse(FileChooser& chooser) {
    FileChoice choice;
    choice.purpose = FileChoice::Purpose::Open;
    choice.title = SettingsDialogTexts::of(language_).chooserTitle;
    choice.filter = SettingsDialogTexts::of(language_).fileFilter;
    choice.defaultSuffix = QStringLiteral("dat");
    // The file-name part of the path, opened in the index's folder.
    choice.initialName = QFileInfo(indexPath_).fileName();
    choice.folder = chooserFolder(indexPath_, hankoFolder_);
    const auto chosen = chooser.chooseFile(choice);
    if (!chosen)
        return false;
    indexPath_ = *chosen;
    return true;
}

SettingsDialogModel::Outcome SettingsDialogModel::accept() {
    const SettingsDialogTexts& messages = SettingsDialogTexts::of(language_);
    const auto typed = toCp932(indexPath_);
    if (!typed) {
        prompter_.showMessage(messages.pathNotCp932.arg(indexPath_));
        return Outcome::PathNotCp932;
    }
    const QString mode = QString::number(autoStamp_);
    const QString clipboard = clipboard_ ? QStringLiteral("1") : QStringLiteral("0");
    if (!profile_.setUserValue(stamperuserkeys::autoStamp, mode) ||
        !profile_.setUserValue(stamperuserkeys::clipboard, clipboard)) {
        prompter_.showMessage(messages.cannotWrite.arg(profile_.fileName()), MessageIcon::Error);
        return Outcome::NotWritten;
    }
    // An empty box keeps the default index, as the key does when it is empty.
    const std::string indexPath =
        typed->empty() ? std::string() : absoluteIndexPath(*typed, hankoFolder_);
    if (!settings_.setVermilDataFile(indexPath)) {
        prompter_.showMessage(
            messages.cannotWrite.arg(QString::fromStdString(settings_.file().string())),
            MessageIcon::Error);
        return Outcome::NotWritten;
    }
    document_.setIndexPath(absoluteIndexPath(indexPath, hankoFolder_));
    document_.setLanguage(languageRow_ < 0 ? std::string()
                                           : languages_.at(languageRow_).toStdString());
    document_.setAutoStamp(autoStamp_);
    document_.drawingInput().copyToClipboard = clipboard_;
    return Outcome::Saved;
}

} // namespace vermil
