#pragma once

#include "stamper/sealdialog/seal_dialog_model.h"

#include <optional>

namespace vermil {

class CVermilinDoc;

// Runs the seal dialog for a document: fills it from the document, runs it, and
// gives its outputs on OK (copySealDialogOutputs puts them into the document);
// nullopt when it was cancelled. The program binds the real dialog
// (ui/seal_dialogs.h); tests answer without a window.
class StampTaker {
public:
    virtual ~StampTaker() = default;
    virtual std::optional<SealDialogOutputs> takeStamp(const CVermilinDoc& document) = 0;
};

} // namespace vermil
