#include "stamper/view/ui/program_dialogs.h"

#include "stamper/settings/ui/language_dialog.h"
#include "stamper/settings/ui/log_path_dialog.h"
#include "stamper/settings/ui/settings_dialog.h"
#include "stamper/view/ui/about_box.h"
#include "stamper/view/ui/stamp_information_dialog.h"

#include "common/cp932.h"
#include "common/hanko_settings.h"
#include "common/user_profile.h"
#include "stamper/document/stamp_document.h"

namespace vermil {

ProgramDialogs::ProgramDialogs(Prompter& prompter, FileChooser& chooser)
    : prompter_(prompter), chooser_(chooser) {}

std::optional<std::string> ProgramDialogs::chooseLanguage() {
    LanguageDialogModel model;
    CLangDlg dialog(model, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return model.accept();
}

void ProgramDialogs::editIndexSettings(CVermilinDoc& document) {
    UserProfile profile(QString::fromLatin1(stamperProfileTitle));
    const HankoSettings settings(nativePath(document.settingsFilePath()));
    SettingsDialogModel model(prompter_, profile, settings, document);
    CIndexDlg dialog(model, chooser_, parent_);
    if (dialog.exec() == QDialog::Accepted)
        chooseLanguageWhenEmpty(document, *this);
}

void ProgramDialogs::editLogPath(CVermilinDoc& document) {
    LogPathDialogModel model(prompter_, document);
    CFileNameDialog dialog(model, chooser_, parent_);
    dialog.exec();
}

void ProgramDialogs::showStampInformation(const CVermilinDoc& document) {
    const StampInformationModel model(document);
    CKakuninDialog dialog(model, parent_);
    dialog.exec();
}

void ProgramDialogs::showAbout(Language language) {
    AboutBox box(language, parent_);
    box.exec();
}

} // namespace vermil
