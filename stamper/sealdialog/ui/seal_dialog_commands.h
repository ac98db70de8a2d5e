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
// profile. The views run the stamp through a StampTransaction.

// The seal dialog over the document's inputs (sealDialogInputsOf), modal over
// `parent`; with AutoStamp on and a remembered password it may be accepted
// without showing. The accepted stamp after a successful OK, nullopt after
// Cancel. Nothing is written and the document is not changed here.
std::optional<AcceptedStamp> runSealDialog(const CVermilinDoc& document, QWidget* parent = nullptr);

// The password change dialog over the document's inputs; true when a password
// was changed. Nothing of the document changes.
bool runPasswordChangeDialog(const CVermilinDoc& document, QWidget* parent = nullptr);

// Both commands as the program's windows call them (CVermilinApp::setStampTaker,
// setPasswordChanger), each dialog over the window that is active.
class SealDialogCommands : public StampTaker, public PasswordChanger {
public:
    std::optional<AcceptedStamp> takeStamp(const CVermilinDoc& document) override;
    void changePassword(const CVermilinDoc& document) override;
};

} // namespace vermil
