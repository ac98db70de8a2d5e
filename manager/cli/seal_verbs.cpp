#include "manager/cli/verbs.h"

#include "manager/cli/vrmgr_verb_texts.h"

#include "manager/manager_dialog_model.h"
#include "manager/manager_dialog_texts.h"

#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/interaction/stderr_prompter.h"

#include <ostream>

namespace vermil {
namespace {

// The seal named on the command line, in CP932; nullopt after a message.
std::optional<std::string> sealNameOperand(const cli::VerbCall& call) {
    const std::string& operand = call.operands().at(0);
    auto name = utf8ToCp932(operand);
    if (!name)
        call.error() << fillPlaceholders(vrmgrVerbTexts().sealNameNotCp932.toStdString(), {operand})
                     << '\n';
    return name;
}

void showLine(std::ostream& out, const QString& label, std::string_view value) {
    out << label.toStdString() << ": " << cp932ToUtf8(value) << '\n';
}

} // namespace

cli::ExitStatus showVerb(const cli::VerbCall& call) {
    const auto indexPath = chooseIndexPath(call);
    if (!indexPath || !requireIndex(*indexPath, call.err()))
        return cli::ExitStatus::UsageOrFileError;
    const auto name = sealNameOperand(call);
    if (!name)
        return cli::ExitStatus::UsageOrFileError;
    StderrPrompter prompter(call.err());
    ManagerDialogModel model(prompter, findHankoFolder(nullptr));
    model.useIndex(*indexPath);
    if (!model.selectName(*name)) {
        prompter.showMessage(managerdialogtexts::notRegistered(*name));
        return cli::ExitStatus::Fault;
    }
    const ShownSeal& seal = model.shown();
    const VrmgrVerbTexts& texts = vrmgrVerbTexts();
    showLine(call.out(), texts.nameLabel, seal.name);
    showLine(call.out(), texts.up2Label, seal.up2);
    showLine(call.out(), texts.up1Label, seal.up1);
    showLine(call.out(), texts.downLabel, seal.down);
    showLine(call.out(), texts.dateFormatLabel, seal.dateFormat);
    showLine(call.out(), texts.sizeXLabel, seal.sizeX);
    showLine(call.out(), texts.sizeYLabel, seal.sizeY);
    showLine(call.out(), texts.profileLabel, seal.profile);
    call.out().flush();
    return cli::ExitStatus::Done;
}

cli::ExitStatus deleteVerb(const cli::VerbCall& call) {
    const auto indexPath = chooseIndexPath(call);
    if (!indexPath || !requireIndex(*indexPath, call.err()))
        return cli::ExitStatus::UsageOrFileError;
    const auto name = sealNameOperand(call);
    if (!name)
        return cli::ExitStatus::UsageOrFileError;
    StderrPrompter prompter(call.err());
    ManagerDialogModel model(prompter, findHankoFolder(nullptr));
    model.useIndex(*indexPath);
    switch (model.deleteSeal(*name)) {
    case ManagerDialogModel::DeleteOutcome::Deleted:
        return cli::ExitStatus::Done;
    case ManagerDialogModel::DeleteOutcome::WriteFailed:
        return cli::ExitStatus::UsageOrFileError;
    case ManagerDialogModel::DeleteOutcome::NotRegistered:
    case ManagerDialogModel::DeleteOutcome::NoSelection:
    case ManagerDialogModel::DeleteOutcome::Declined:
        break;
    }
    return cli::ExitStatus::Fault;
}

} // namespace vermil
