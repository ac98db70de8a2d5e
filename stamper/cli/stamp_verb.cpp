#include "stamp_verb.h"

#include "stamp_fields.h"
#include "stamp_file_reading.h"
#include "stamp_verb_texts.h"
#include "verb_stamping.h"

#include "common/files/atomic_file.h"
#include "render/picture_size.h"
#include "render/seal_font_check.h"
#include "render/stamp_picture.h"
#include "stamper/document/native_data.h"
#include "stamper/document/stamp_document.h"
#include "stamper/stamping/stamp_output.h"

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
    if (!requireOutputPlace(call, r.stampFile) ||
        (r.picture && !requireOutputPlace(call, *r.picture)))
        return std::nullopt;
    if (!readStampPassword(call, r.fields))
        return std::nullopt;
    return r;
}

// The stamp object and its picture, both or neither: each is made and flushed
// beside its old file before either takes the old one's place. False after a
// message.
class StampFileOutput : public StampOutput {
public:
    StampFileOutput(const VerbCall& call, const StampRequest& request, CVermilinDoc& document)
        : call_(call), r_(request), document_(document) {}

    bool write() override {
        std::string object;
        try {
            object = document_.saveNativeData();
        } catch (const NativeDataError& e) {
            call_.error() << t::stampNotWritten(r_.stampFile.string(), e.what()) << "\n";
            return false;
        }
        std::optional<PreparedReplacement> picture;
        if (r_.picture && !preparePicture(picture))
            return false;
        std::error_code error;
        std::optional<PreparedReplacement> stamp =
            PreparedReplacement::prepare(r_.stampFile, object, error);
        if (!stamp || !stamp->commit(error)) {
            call_.error() << t::stampNotWritten(r_.stampFile.string(), t::notWrittenReason(error))
                          << "\n";
            return false;
        }
        // Only a rename in the picture's own folder is left to fail here.
        if (picture && !picture->commit(error)) {
            call_.error() << t::pictureNotWritten(r_.stampFile.string(),
                                                  pictureWriteProblem(*r_.picture, error))
                          << "\n";
            return false;
        }
        return true;
    }

private:
    bool preparePicture(std::optional<PreparedReplacement>& prepared) {
        const StampRecord& stamp = document_.stamp();
        std::string problem;
        const std::optional<QByteArray> bytes = stampPictureBytes(
            stamp.drawing, stamp.sizeX, stamp.sizeY, *r_.picture, r_.dpi, problem);
        std::error_code error;
        if (bytes)
            prepared = PreparedReplacement::prepare(
                *r_.picture, std::string_view(bytes->constData(), bytes->size()), error);
        if (prepared)
            return true;
        if (bytes)
            problem = pictureWriteProblem(*r_.picture, error);
        call_.error() << t::stampNotWritten(r_.stampFile.string(), problem) << "\n";
        return false;
    }

    const VerbCall& call_;
    const StampRequest& r_;
    CVermilinDoc& document_;
};

} // namespace

ExitStatus runStampVerb(const VerbCall& call) {
    const std::optional<StampRequest> request = readRequest(call);
    if (!request)
        return ExitStatus::UsageOrFileError;

    VerbStamping stamping(call, request->fields);
    if (!openStampObject(request->stampFile, stamping.document(), call.err()))
        return ExitStatus::UsageOrFileError;
    if (!stamping.chooseSeal())
        return ExitStatus::Fault;
    if (request->picture) {
        const SealDialogOutputs seal = stamping.seal();
        if (const std::string problem =
                stampPictureProblem(seal.sizeX, seal.sizeY, *request->picture, request->dpi);
            !problem.empty()) {
            call.error() << problem << "\n";
            return ExitStatus::UsageOrFileError;
        }
    }

    StampFileOutput output(call, *request, stamping.document());
    const ExitStatus status = stamping.stamp(output);
    if (status == ExitStatus::Done && request->picture)
        if (const std::string notice = missingSealFontsNotice(installedSealFontAvailability());
            !notice.empty())
            call.error() << notice << "\n";
    return status;
}

} // namespace vermil::cli
