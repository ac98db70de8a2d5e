#pragma once

#include "stamper/sealdialog/password_changer.h"
#include "stamper/sealdialog/seal_dialog_model.h"
#include "stamper/sealdialog/stamp_taker.h"

#include <optional>

class QWidget;

namespace vermil {

class CVermilinDoc;

// The stamp command and the password command of the program's window, with the
// real message boxes (owned by the dialog), the colour chooser and the user's
// profile. The view runs them:
//
//     if (const auto stamp = runSealDialog(document, this)) {
//         copySealDialogOutputs(*stamp, document);
//         // mark the document modified, update the views and the container
//     }

// The seal dialog over the document's inputs (sealDialogInputsOf), modal over
// `parent`; with AutoStamp on and a remembered password it may stamp without
// showing. The outputs after a successful OK, nullopt after Cancel. The document
// is not changed here.
std::optional<SealDialogOutputs> runSealDialog(const CVermilinDoc& document,
                                               QWidget* parent = nullptr);

// The password change dialog over the document's inputs; true when a password
// was changed. Nothing of the document changes.
bool runPasswordChangeDialog(const CVermilinDoc& document, QWidget* parent = nullptr);

// Both commands as the program's windows call them (CVermilinApp::setStampTaker,
// setPasswordChanger), each dialog over the window that is active.
class SealDialogCommands : public StampTaker, public PasswordChanger {
public:
    std::optional<SealDialogOutputs> takeStamp(const CVermilinDoc& document) override;
    void changePassword(const CVermilinDoc& document) override;
};

} // namespace vermil
