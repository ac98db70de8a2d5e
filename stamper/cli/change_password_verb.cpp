#include "change_password_verb.h"

#include "stamp_verb_texts.h"
#include "verb_document.h"
#include "verb_input.h"

#include "common/cp932.h"
#include "common/interaction/stderr_prompter.h"
#include "stamper/sealdialog/seal_dialog_document.h"

#include <array>
#include <ostream>

namespace vermil::cli {

ExitStatus runChangePasswordVerb(const VerbCall& call) {
    std::optional<std::string> seal;
    if (!cp932Option(call, "--seal", seal))
        return ExitStatus::UsageOrFileError;
    // Old, new, new again: all three are read before anything is checked.
    std::array<std::string, 3> passwords;
    for (std::string& password : passwords) {
        const auto typed = passwordLine(call);
        if (!typed)
            return ExitStatus::UsageOrFileError;
        password = *typed;
    }

    StderrPrompter prompter(call.err());
    VerbDocument document(prompter);
    PasswordChangeModel model(passwordChangeInputsOf(*document), prompter);
    model.start();
    std::optional<std::size_t> row = model.selectedRow();
    if (seal) {
        row = model.rowOf(*seal);
        if (!row) {
            call.error() << stampverbtexts::sealNotListed(cp932ToUtf8(*seal),
                                                          cp932ToUtf8(document->indexPath()))
                         << "\n";
            return ExitStatus::Fault;
        }
    }
    // Picking the seal runs its checks, as a click in the list does.
    if (row && !model.selectSeal(*row))
        return ExitStatus::Fault;
    model.setOldPassword(passwords[0]);
    model.setNewPassword(passwords[1]);
    model.setNewPasswordAgain(passwords[2]);
    return model.accept() == PasswordChangeModel::Outcome::Changed ? ExitStatus::Done
                                                                   : ExitStatus::Fault;
}

} // namespace vermil::cli
