#include "verb_stamping.h"

#include "stamp_verb_texts.h"

#include "common/cp932.h"
#include "stamper/sealdialog/seal_dialog_document.h"
#include "stamper/sealdialog/stamp_taker.h"
#include "stamper/stamping/stamp_transaction.h"

#include <ostream>

namespace vermil::cli {

namespace t = stampverbtexts;

// The seal dialog's OK without a window, with the hint that no password came
// when it was that.
class VerbStamping::Checks : public StampTaker {
public:
    explicit Checks(VerbStamping& stamping) : stamping_(stamping) {}

    std::optional<AcceptedStamp> takeStamp(const CVermilinDoc&) override {
        SealDialogModel& model = *stamping_.model_;
        const SealDialogModel::Outcome checked = model.accept();
        if (checked == SealDialogModel::Outcome::Accepted)
            return model.accepted();
        if (checked == SealDialogModel::Outcome::WrongPassword && !stamping_.fields_.password &&
            model.password().empty())
            stamping_.call_.error() << t::noPasswordGiven << "\n";
        return std::nullopt;
    }

private:
    VerbStamping& stamping_;
};

VerbStamping::VerbStamping(const VerbCall& call, StampFields fields)
    : call_(call), fields_(std::move(fields)), prompter_(call.err()), document_(prompter_),
      profile_(QString::fromLatin1(stamperProfileTitle)) {}

bool VerbStamping::chooseSeal() {
    SealDialogInputs inputs = sealDialogInputsOf(*document_);
    // A named seal is the only one checked: preselecting the last one as well would
    // show its messages for a seal nobody asked for, or the same ones twice.
    if (fields_.seal)
        inputs.lastSeal.clear();
    model_.emplace(std::move(inputs), prompter_, profile_);
    model_->start();
    bool chosen = model_->okEnabled();
    if (fields_.seal) {
        const auto row = model_->rowOf(*fields_.seal);
        if (!row) {
            call_.error() << t::sealNotListed(cp932ToUtf8(*fields_.seal),
                                              cp932ToUtf8(document_->indexPath()))
                          << "\n";
            return false;
        }
        chosen = model_->selectSeal(*row);
    }
    if (chosen)
        setFields();
    return chosen;
}

void VerbStamping::setFields() {
    SealDialogModel& model = *model_;
    const StampFields& f = fields_;
    using Text = std::optional<std::string> StampFields::*;
    using Setter = void (SealDialogModel::*)(std::string);
    const std::pair<Text, Setter> texts[] = {
        {&StampFields::documentNumber, &SealDialogModel::setDocumentNumber},
        {&StampFields::name, &SealDialogModel::setName},
        {&StampFields::section, &SealDialogModel::setSection},
        {&StampFields::approvalDate, &SealDialogModel::setApprovalDate},
        {&StampFields::sealDate, &SealDialogModel::setSealDateText},
        {&StampFields::password, &SealDialogModel::setPassword},
    };
    for (const auto& [text, set] : texts)
        if (const std::optional<std::string>& value = f.*text)
            (model.*set)(*value);
    if (f.comment)
        model.setComment(*f.comment);
    if (f.savePassword)
        model.setSavePassword(*f.savePassword);
}

ExitStatus VerbStamping::stamp(StampOutput& output) {
    Checks checks(*this);
    StampTransaction stamping(*document_, prompter_, profile_);
    switch (stamping.run(checks, output)) {
    case StampTransaction::Outcome::NotTaken:
        return ExitStatus::Fault;
    case StampTransaction::Outcome::NotWritten:
        return ExitStatus::UsageOrFileError;
    case StampTransaction::Outcome::Made:
        break;
    }
    // Made, but Error434 said the log has no line for it.
    return stamping.logOutcome() == StampLogOutcome::CannotWrite ? ExitStatus::Fault
                                                                 : ExitStatus::Done;
}

} // namespace vermil::cli
