#include "stamp_verb.h"

#include "stamp_fields.h"
#include "stamp_file_reading.h"
#include "stamp_verb_texts.h"
#include "verb_document.h"

#include "common/cp932.h"
#include "common/files/atomic_file.h"
#include "common/interaction/stderr_prompter.h"
#include "common/user_profile.h"
#include "render/picture_size.h"
#include "render/seal_font_check.h"
#include "render/stamp_picture.h"
#include "stamper/document/native_data.h"
#include "stamper/sealdialog/seal_dialog_document.h"

#include <QByteArray>

#include <filesystem>
#include <ostream>

namespace vermil::cli {
namespace {

namespace t = stampverbtexts;

// What the command line asks for.
struct StampRequest {
    std::filesystem::path stampFile;
    StampFields fields;
    std::optional<std::filesystem::path> picture;
    int dpi = defaultPictureDpi;
};

// Everything that can be wrong with the command line, found before anything is read.
std::optional<StampRequest> readRequest(const VerbCall& call) {
    StampRequest r;
    r.stampFile = call.operands().at(0);
    std::optional<StampFields> fields = readStampFields(call);
    if (!fields)
        return std::nullopt;
    r.fields = std::move(*fields);
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
    if (!readStampPassword(call, r.fields))
        return std::nullopt;
    return r;
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

    if (!sealChosen(call, model, request->fields, *document))
        return ExitStatus::Fault;
    setStampFields(model, request->fields);
    if (request->picture) {
        const SealDialogOutputs seal = model.outputs();
        if (const std::string problem =
                stampPictureProblem(seal.sizeX, seal.sizeY, *request->picture, request->dpi);
            !problem.empty()) {
            call.error() << problem << "\n";
            return ExitStatus::UsageOrFileError;
        }
    }

    if (!stampChecksPass(call, model, request->fields))
        return ExitStatus::Fault;

    copySealDialogOutputs(model.outputs(), *document);
    if (!writeStamp(call, *request, *document))
        return ExitStatus::UsageOrFileError;
    // The checks passed: OK logs the stamp and remembers its fields.
    model.accept();
    if (request->picture)
        if (const std::string notice = missingSealFontsNotice(installedSealFontAvailability());
            !notice.empty())
            call.error() << notice << "\n";
    return ExitStatus::Done;
}

} // namespace vermil::cli
