#pragma once

#include "stamper/sealdialog/seal_dialog_model.h"
#include "stamplog/stamp_log.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vermil {

class Prompter;
class UserProfile;

// What the seal dialog's OK hands on: the stamp for the document, and what its
// log line and its remembered fields take once the stamp is written. Nothing is
// written at OK, so a stamp that never reaches a file leaves no trace. Texts are CP932.
struct AcceptedStamp {
    SealDialogOutputs outputs;
    StampLogEntry logEntry;
    StampLogTarget log;
    std::string settingsFilePath; // hanko.ini: the remembered fields
    std::filesystem::path colourFile;
    std::string password;
    bool savePassword = false;
    Language language = Language::Japanese; // of the seal dialog: its messages follow it
};

// The stamp log line. Its own warnings (Warning 433, Error 434) do not undo the stamp.
StampLogOutcome logAcceptedStamp(const AcceptedStamp& stamp, Prompter& prompter);

// The fields in one replacement of hanko.ini (all of them or, when the write
// fails, none), the colour, then the password kept or forgotten in the user's
// profile. A failed write of a remembered value does not undo the stamp; the
// files that could not be written are given back for the caller to tell.
std::vector<std::filesystem::path> rememberAcceptedStamp(const AcceptedStamp& stamp,
                                                         UserProfile& profile);

} // namespace vermil
