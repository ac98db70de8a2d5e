#include "stamper/sealdialog/ui/seal_dialog_commands.h"

#include "stamper/sealdialog/ui/password_change_dialog.h"
#include "stamper/sealdialog/ui/seal_dialog.h"

#include "common/user_profile.h"
#include "stamper/sealdialog/seal_dialog_document.h"
#include "widgets/dialog_colour_chooser.h"
#include "widgets/message_box_prompter.h"

#include <QApplication>

namespace vermil {

std::optional<AcceptedStamp> runSealDialog(const CVermilinDoc& document, QWidget* parent) {
    SealDialogInputs inputs = sealDialogInputsOf(document);
    MessageBoxPrompter prompter(SealDialogTexts::of(languageOf(inputs.language)).windowTitle,
                                parent);
    UserProfile profile(QString::fromLatin1(stamperProfileTitle));
    SealDialogModel model(std::move(inputs), prompter, profile);
    DialogColourChooser colourChooser;
    CShouninDialog dialog(model, colourChooser, parent);
    prompter.setParentWidget(&dialog);
    colourChooser.setParentWidget(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return model.accepted();
}

bool runPasswordChangeDialog(const CVermilinDoc& document, QWidget* parent) {
    PasswordChangeInputs inputs = passwordChangeInputsOf(document);
    MessageBoxPrompter prompter(PasswordChangeTexts::of(languageOf(inputs.language)).windowTitle,
                                parent);
    PasswordChangeModel model(std::move(inputs), prompter);
    CPasswdDlg dialog(model, parent);
    prompter.setParentWidget(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<AcceptedStamp> SealDialogCommands::takeStamp(const CVermilinDoc& document) {
    return runSealDialog(document, QApplication::activeWindow());
}

void SealDialogCommands::changePassword(const CVermilinDoc& document) {
    runPasswordChangeDialog(document, QApplication::activeWindow());
}

} // namespace vermil
