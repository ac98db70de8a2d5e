#include "stamper/stamping/stamp_transaction.h"

#include "stamper/document/stamp_document.h"
#include "stamper/sealdialog/seal_dialog_document.h"
#include "stamper/sealdialog/stamp_taker.h"
#include "stamper/stamping/stamp_output.h"
#include "stamper/stamping/stamp_transaction_texts.h"

#include "common/interaction/prompter.h"

#include <QStringList>

namespace vermil {

StampTransaction::StampTransaction(CVermilinDoc& document, Prompter& prompter, UserProfile& profile)
    : document_(document), prompter_(prompter), profile_(profile) {}

StampTransaction::~StampTransaction() {
    abandon();
}

bool StampTransaction::take(StampTaker& taker) {
    abandon();
    taken_ = taker.takeStamp(document_);
    if (!taken_)
        return false;
    stampBefore_ = document_.stamp();
    lastSealBefore_ = document_.lastSeal();
    copySealDialogOutputs(taken_->outputs, document_);
    return true;
}

StampTransaction::Outcome StampTransaction::complete(StampOutput& output) {
    if (!taken_)
        return Outcome::NotTaken;
    if (!output.write()) {
        abandon();
        return Outcome::NotWritten;
    }
    const AcceptedStamp stamp = std::move(*taken_);
    taken_.reset();
    logOutcome_ = logAcceptedStamp(stamp, prompter_);
    const std::vector<std::filesystem::path> notWritten = rememberAcceptedStamp(stamp, profile_);
    if (!notWritten.empty()) {
        QStringList files;
        for (const std::filesystem::path& file : notWritten)
            files << QString::fromStdString(file.string());
        prompter_.showMessage(
            StampTransactionTexts::of(stamp.language).notRemembered.arg(files.join('\n')),
            MessageIcon::Warning);
    }
    return Outcome::Made;
}

void StampTransaction::abandon() {
    if (!taken_)
        return;
    taken_.reset();
    document_.stamp() = stampBefore_;
    document_.setLastSeal(lastSealBefore_);
}

StampTransaction::Outcome StampTransaction::run(StampTaker& taker, StampOutput& output) {
    if (!take(taker))
        return Outcome::NotTaken;
    return complete(output);
}

} // namespace vermil
