#pragma once

#include "stamp_fields.h"
#include "verb_document.h"

#include "common/cli/verb_call.h"
#include "common/interaction/stderr_prompter.h"
#include "common/user_profile.h"
#include "stamper/sealdialog/seal_dialog_model.h"

#include <optional>

namespace vermil {
class StampOutput;
}

namespace vermil::cli {

// A stamp made by a verb (--stamp, --stamp-pdf): the stamp document, the seal
// dialog's model over it without a window, and the stamping transaction every
// stamp ends with.
//
//     VerbStamping stamping(call, fields);
//     ... open what the stamp goes into: stamping.document() ...
//     if (!stamping.chooseSeal()) return ExitStatus::Fault;
//     ... check the seal's size against the output: stamping.seal() ...
//     return stamping.stamp(output);
class VerbStamping {
public:
    VerbStamping(const VerbCall& call, StampFields fields);

    CVermilinDoc& document() { return *document_; }

    // Start-up, the seal (--seal by its exact name, else the preselection of
    // start-up), the given fields over the remembered ones. False when that seal
    // failed its checks (the model showed why) or is not listed (said here).
    bool chooseSeal();
    // The seal chosen and its fields.
    SealDialogOutputs seal() const { return model_->outputs(); }

    // The seal dialog's checks and the password, `output`, the log line and the
    // remembered fields: Fault when a check or the password failed,
    // UsageOrFileError when the output was not written (it said why), Done.
    ExitStatus stamp(StampOutput& output);

private:
    class Checks;

    void setFields();

    const VerbCall& call_;
    StampFields fields_;
    StderrPrompter prompter_;
    VerbDocument document_;
    UserProfile profile_;
    std::optional<SealDialogModel> model_;
};

} // namespace vermil::cli
