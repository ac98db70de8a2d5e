#pragma once

#include "stamper/sealdialog/password_change_model.h"
#include "stamper/sealdialog/seal_dialog_model.h"

namespace vermil {

class CVermilinDoc;

// How the stamp command and the password command meet the stamp document: the
// caller fills the inputs from the document, runs the dialog, and after a
// successful OK copies the outputs back.
//
//     SealDialogModel model(sealDialogInputsOf(document), prompter, profile);
//     ... run the dialog (CShouninDialog, or the --stamp verb) ...
//     if (stamped) {
//         copySealDialogOutputs(model.outputs(), document);
//         // then: mark the document modified, update the views and the container
//     }

// The document's settings, paths, the user and computer working now, and the
// user's AutoStamp and remembered-password values.
SealDialogInputs sealDialogInputsOf(const CVermilinDoc& document);

// The stamp in the document becomes the new one: the last seal, the approval
// fields, the seal's texts, fonts, colour, size, seal file and profile texts,
// and the user, computer and program version of this stamp (not those a
// reopened stamp carried); automatic text sizes are settled as the screen would
// settle them. Nothing of the document that the dialog does not set (shape, pen
// width, the clipboard flag) changes.
void copySealDialogOutputs(const SealDialogOutputs& outputs, CVermilinDoc& document);

// The last seal, the index path and the language.
PasswordChangeInputs passwordChangeInputsOf(const CVermilinDoc& document);

} // namespace vermil
