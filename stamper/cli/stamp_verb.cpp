#include "stamp_verb.h"

#include "stamp_file_reading.h"
#include "stamp_verb_texts.h"
#include "verb_document.h"
#include "verb_input.h"

#include "common/atomic_file.h"
#include "common/cp932.h"
#include "common/stderr_prompter.h"
#include "common/user_profile.h"
#include "render/picture_size.h"
#include "render/stamp_picture.h"
#include "stamper/native_data.h"
#include "stamper/seal_dialog_document.h"

#include <QByteArray>

#include <filesystem>
#include <ostream>

namespace vermil::cli {
namespace {

namespace t = stampverbtexts;

// What the command line asks for, every text in CP932.
struct StampRequest {
    std::filesystem::path stampFile;
    std::optional<std::string> seal;
    std::optional<std::string> documentNumber;
    std::optional<std::string> name;
    std::optional<std::string> section;
    std::optional<std::string> approvalDate;
    std::optional<std::string> comment;
    std::optional<std::string> sealDate;
    std::optional<std::string> password;
    std::optional<bool> savePassword;
    std::optional<std::filesystem::path> picture;
    int dpi = defaultPictureDpi;
};

bool folderExists(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path();
    std::error_code ec;
    return folder.empty() || std::filesystem::is_directory(folder, ec);
}

bool requireFolder(const VerbCall& call, const std::filesystem::path& file) {
    if (folderExists(file))
        return true;
    call.error() << t::noSuchFolder(file.string()) << "\n";
    return false;
}

// The password: the first line of standard input when asked for, else
// VERMIL_PASSWORD; nullopt leaves the remembered one. False after a message.
bool readPassword(const VerbCall& call, std::optional<std::string>& password) {
    if (call.has("--password-stdin")) {
        password = passwordInput(call, inputLine(call.in()));
        return password.has_value();
    }
    if (qEnvironmentVariableIsSet("VERMIL_PASSWORD")) {
        password = passwordInput(call, qgetenv("VERMIL_PASSWORD").toStdString());
        return password.has_value();
    }
    return true;
}

// Everything that can be wrong with the command line, found before anything is read.
std::optional<StampRequest> readRequest(const VerbCall& call) {
    StampRequest r;
    r.stampFile = call.operands().at(0);
    const std::pair<std::string_view, std::optional<std::string>*> texts[] = {
        {"--seal", &r.seal},          {"--document-no", &r.documentNumber},
        {"--name", &r.name},          {"--section", &r.section},
        {"--date", &r.approvalDate},  {"--comment", &r.comment},
        {"--seal-date", &r.sealDate},
    };
    for (const auto& [option, value] : texts)
        if (!cp932Option(call, option, *value))
            return std::nullopt;
    if (call.has("--save-password") && call.has("--no-save-password")) {
        call.error() << t::saveFlagsExcludeEachOther << "\n";
        return std::nullopt;
    }
    if (call.has("--save-password") || call.has("--no-save-password"))
        r.savePassword = call.has("--save-password");
    if (const auto picture = call.value("--picture"))
        r.picture = std::filesystem::path(*picture);
    else if (call.has("--dpi")) {
        call.error() << t::dpiNeedsPicture << "\n";
        return std::nullopt;
    }
    const auto dpi = call.wholeNumber("--dpi", defaultPictureDpi, minPictureDpi, maxPictureDpi);
    if (!dpi)
        return std::nullopt;
    r.dpi = *dpi;
    if (!requireFolder(call, r.stampFile) || (r.picture && !requireFolder(call, *r.picture)))
        return std::nullopt;
    if (!readPassword(call, r.password))
        return std::nullopt;
    return r;
}

enum class Selection { Chosen, Failed, NotListed };

// --seal by its exact name, else the preselection of start-up.
Selection selectSeal(SealDialogModel& model, const StampRequest& request) {
    if (!request.seal)
        return model.okEnabled() ? Selection::Chosen : Selection::Failed;
    const auto row = model.rowOf(*request.seal);
    if (!row)
        return Selection::NotListed;
    return model.selectSeal(*row) ? Selection::Chosen : Selection::Failed;
}

void setFields(SealDialogModel& model, const StampRequest& r) {
    if (r.documentNumber)
        model.setDocumentNumber(*r.documentNumber);
    if (r.name)
        model.setName(*r.name);
    if (r.section)
        model.setSection(*r.section);
    if (r.approvalDate)
        model.setApprovalDate(*r.approvalDate);
    if (r.comment)
        model.setComment(*r.comment);
    if (r.sealDate)
        model.setSealDateText(*r.sealDate);
    if (r.password)
        model.setPassword(*r.password);
    if (r.savePassword)
        model.setSavePassword(*r.savePassword);
}

// The stamp object, then its picture; false after a message.
bool writeStamp(const VerbCall& call, const StampRequest& r, CVermilinDoc& document) {
    std::string bytes;
    try {
        bytes = document.saveNativeData();
    } catch (const NativeDataError& e) {
        call.error() << t::stampNotWritten(r.stampFile.string(), e.what()) << "\n";
        return false;
    }
    if (!writeFileAtomically(r.stampFile, bytes)) {
        call.error() << t::stampNotWritten(r.stampFile.string(), t::cannotReplace) << "\n";
        return false;
    }
    if (!r.picture)
        return true;
    const StampRecord& stamp = document.stamp();
    const std::string error =
        writeStampPicture(stamp.drawing, stamp.sizeX, stamp.sizeY, *r.picture, r.dpi);
    if (!error.empty()) {
        call.error() << t::pictureNotWritten(r.stampFile.string(), error) << "\n";
        return false;
    }
    return true;
}

} // namespace

ExitStatus runStampVerb(const VerbCall& call) {
    const std::optional<StampRequest> request = readRequest(call);
    if (!request)
        return ExitStatus::UsageOrFileError;

    StderrPrompter prompter(call.err());
    VerbDocument document(prompter);
    if (!openStampObject(request->stampFile, *document, call.err()))
        return ExitStatus::UsageOrFileError;
    UserProfile profile(QString::fromLatin1(stamperProfileTitle));
    SealDialogModel model(sealDialogInputsOf(*document), prompter, profile);
    model.start();

    switch (selectSeal(model, *request)) {
    case Selection::Chosen:
        break;
    case Selection::Failed:
        return ExitStatus::Fault;
    case Selection::NotListed:
        call.error() << t::sealNotListed(cp932ToUtf8(*request->seal),
                                         cp932ToUtf8(document->indexPath()))
                     << "\n";
        return ExitStatus::Fault;
    }
    setFields(model, *request);
    if (request->picture) {
        const SealDialogOutputs seal = model.outputs();
        if (const std::string problem =
                stampPictureProblem(seal.sizeX, seal.sizeY, *request->picture, request->dpi);
            !problem.empty()) {
            call.error() << problem << "\n";
            return ExitStatus::UsageOrFileError;
        }
    }

    const SealDialogModel::Outcome checked = model.validate();
    if (checked == SealDialogModel::Outcome::WrongPassword && !request->password &&
        model.password().empty())
        call.error() << t::noPasswordGiven << "\n";
    if (checked != SealDialogModel::Outcome::Accepted)
        return ExitStatus::Fault;

    copySealDialogOutputs(model.outputs(), *document);
    if (!writeStamp(call, *request, *document))
        return ExitStatus::UsageOrFileError;
    // The checks passed: OK logs the stamp and remembers its fields.
    model.accept();
    return ExitStatus::Done;
}

} // namespace vermil::cli
