#pragma once

#include "stamper/document/stamp_record.h"
#include "stamper/sealdialog/accepted_stamp.h"

#include <optional>
#include <string>

namespace vermil {

class CVermilinDoc;
class Prompter;
class StampOutput;
class StampTaker;
class UserProfile;

// One stamp, in this order: the seal's checks and the password (the seal
// dialog, or a verb's checks, through a StampTaker), the output written, the log
// line, the remembered fields. A step that fails stops every step after it, so
// a stamp is logged only when it is in its output, and a stamp that is in no
// output leaves no trace: the document takes back the stamp it held before.
//
//     StampTransaction stamping(document, prompter, profile);
//     if (stamping.run(taker, output) == StampTransaction::Outcome::Made) ...
//
// A caller that places the stamp later (the PDF window) takes it first and
// completes it when its output is ready, or abandons it.
class StampTransaction {
public:
    enum class Outcome {
        NotTaken,   // cancelled, or a check or the password failed: nothing changed
        NotWritten, // the output failed and said why: nothing stamped, logged or remembered
        Made,       // written, then logged (a log that cannot be written is told) and remembered
    };

    StampTransaction(CVermilinDoc& document, Prompter& prompter, UserProfile& profile);
    // A stamp taken and never completed is abandoned.
    ~StampTransaction();
    StampTransaction(const StampTransaction&) = delete;
    StampTransaction& operator=(const StampTransaction&) = delete;

    // The checks and the password through `taker`; on OK the document holds the
    // new stamp, not yet written anywhere. False when it was not accepted.
    bool take(StampTaker& taker);
    bool isTaken() const { return taken_.has_value(); }
    // The stamp taken goes into `output`; only when that is written is it
    // logged and its fields remembered. Ends the transaction either way.
    Outcome complete(StampOutput& output);
    // The stamp taken is dropped unwritten: the document's stamp before comes back.
    void abandon();
    // take(), then complete().
    Outcome run(StampTaker& taker, StampOutput& output);
    // How the log line of the last stamp made went: a stamp whose line could not be
    // written is made all the same, and a script must still learn of the gap.
    StampLogOutcome logOutcome() const { return logOutcome_; }

private:
    CVermilinDoc& document_;
    Prompter& prompter_;
    UserProfile& profile_;
    std::optional<AcceptedStamp> taken_;
    StampLogOutcome logOutcome_ = StampLogOutcome::Off;
    StampRecord stampBefore_;
    std::string lastSealBefore_;
};

} // namespace vermil
