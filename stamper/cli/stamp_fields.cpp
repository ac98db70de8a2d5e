#include "stamp_fields.h"

#include "stamp_verb_texts.h"
#include "verb_input.h"

#include "common/cp932.h"
#include "stamper/document/stamp_document.h"

#include <QByteArray>

#include <ostream>

namespace vermil::cli {

namespace t = stampverbtexts;

std::optional<StampFields> readStampFields(const VerbCall& call) {
    StampFields f;
    const std::pair<std::string_view, std::optional<std::string>*> texts[] = {
        {"--seal", &f.seal},          {"--document-no", &f.documentNumber},
        {"--name", &f.name},          {"--section", &f.section},
        {"--date", &f.approvalDate},  {"--comment", &f.comment},
        {"--seal-date", &f.sealDate},
    };
    for (const auto& [option, value] : texts)
        if (!cp932Option(call, option, *value))
            return std::nullopt;
    if (call.has("--save-password") && call.has("--no-save-password")) {
        call.error() << t::saveFlagsExcludeEachOther << "\n";
        return std::nullopt;
    }
    if (call.has("--save-password") || call.has("--no-save-password"))
        f.savePassword = call.has("--save-password");
    return f;
}

bool readStampPassword(const VerbCall& call, StampFields& fields) {
    if (call.has("--password-stdin")) {
        fields.password = passwordInput(call, inputLine(call.in()));
        return fields.password.has_value();
    }
    if (qEnvironmentVariableIsSet("VERMIL_PASSWORD")) {
        fields.password = passwordInput(call, qgetenv("VERMIL_PASSWORD").toStdString());
        return fields.password.has_value();
    }
    return true;
}

bool requireFolder(const VerbCall& call, const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path();
    std::error_code ec;
    if (folder.empty() || std::filesystem::is_directory(folder, ec))
        return true;
    call.error() << t::noSuchFolder(file.string()) << "\n";
    return false;
}

bool sealChosen(const VerbCall& call, SealDialogModel& model, const StampFields& fields,
                const CVermilinDoc& document) {
    if (!fields.seal)
        return model.okEnabled();
    const auto row = model.rowOf(*fields.seal);
    if (!row) {
        call.error() << t::sealNotListed(cp932ToUtf8(*fields.seal),
                                         cp932ToUtf8(document.indexPath()))
                     << "\n";
        return false;
    }
    return model.selectSeal(*row);
}

void setStampFields(SealDialogModel& model, const StampFields& f) {
    if (f.documentNumber)
        model.setDocumentNumber(*f.documentNumber);
    if (f.name)
        model.setName(*f.name);
    if (f.section)
        model.setSection(*f.section);
    if (f.approvalDate)
        model.setApprovalDate(*f.approvalDate);
    if (f.comment)
        model.setComment(*f.comment);
    if (f.sealDate)
        model.setSealDateText(*f.sealDate);
    if (f.password)
        model.setPassword(*f.password);
    if (f.savePassword)
        model.setSavePassword(*f.savePassword);
}

bool stampChecksPass(const VerbCall& call, SealDialogModel& model, const StampFields& fields) {
    const SealDialogModel::Outcome checked = model.validate();
    if (checked == SealDialogModel::Outcome::WrongPassword && !fields.password &&
        model.password().empty())
        call.error() << t::noPasswordGiven << "\n";
    return checked == SealDialogModel::Outcome::Accepted;
}

} // namespace vermil::cli
