#pragma once

#include "stamper/sealdialog/accepted_stamp.h"

#include <optional>

namespace vermil {

class CVermilinDoc;

// Runs the seal dialog for a document: fills it from the document, runs its
// checks and password, and gives the accepted stamp on OK; nullopt when it was
// cancelled. Nothing is written here: the stamping transaction puts the stamp
// into the document and its output, then logs and remembers it. The program
// binds the real dialog (ui/seal_dialog_commands.h); tests answer without a window.
class StampTaker {
public:
    virtual ~StampTaker() = default;
    virtual std::optional<AcceptedStamp> takeStamp(const CVermilinDoc& document) = 0;
};

} // namespace vermil
