#include "stamp_pdf_verb.h"

#include "page_point.h"
#include "stamp_fields.h"
#include "stamp_verb_texts.h"
#include "verb_stamping.h"

#include "common/files/atomic_file.h"
#include "render/picture_size.h"
#include "render/seal_font_check.h"
#include "stamper/document/native_data_archive.h"
#include "stamper/pdf/pdf_seal.h"
#include "stamper/pdf/pdf_stamping.h"
#include "stamper/stamping/stamp_output.h"

#include <ostream>

namespace vermil::cli {
namespace {

namespace t = stampverbtexts;

struct PdfStampRequest {
    std::filesystem::path in;
    std::filesystem::path out;
    PdfPlacement at;
    StampFields fields;
};

// "X,Y" in millimetres.
bool readPosition(const VerbCall& call, PdfPlacement& at) {
    const std::optional<PagePoint> point = pagePointIn(call.value("--at").value_or(""));
    if (!point) {
        call.error() << t::badPosition << "\n";
        return false;
    }
    at.xMm = point->xMm;
    at.yMm = point->yMm;
    return true;
}

// The same file under another name, through a link, or the very same name.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec))
        return true;
    return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

std::optional<PdfStampRequest> readRequest(const VerbCall& call) {
    PdfStampRequest r;
    r.in = call.operands().at(0);
    r.out = *call.value("--out");
    std::optional<StampFields> fields = readStampFields(call);
    if (!fields)
        return std::nullopt;
    r.fields = std::move(*fields);
    const auto page = call.wholeNumber("--page", 1, 1, maxPageNumber);
    if (!page || !readPosition(call, r.at))
        return std::nullopt;
    r.at.page = *page;
    if (sameFile(r.in, r.out)) {
        call.error() << t::outIsIn << "\n";
        return std::nullopt;
    }
    if (!requireOutputPlace(call, r.out) || !readStampPassword(call, r.fields))
        return std::nullopt;
    return r;
}

void report(const VerbCall& call, const PdfProblem& problem, const std::filesystem::path& file) {
    call.error() << pdfProblemMessage(problem, file.string(), Language::English) << "\n";
}

// The stamped copy, made in memory and written as a whole; false after a message.
class StampedCopyOutput : public StampOutput {
public:
    StampedCopyOutput(const VerbCall& call, const PdfStampRequest& request, PdfToStamp& pdf,
                      CVermilinDoc& document)
        : call_(call), r_(request), pdf_(pdf), document_(document) {}

    bool write() override {
        const std::optional<std::string> stamped = stampedCopy();
        return stamped && writeCopy(*stamped);
    }

private:
    std::optional<std::string> stampedCopy() {
        try {
            const PdfSeal seal = pdfSealOf(document_);
            return pdf_.stamp(seal, r_.at);
        } catch (const NativeDataError& e) {
            call_.error() << t::pdfNotWritten(r_.out.string(), e.what()) << "\n";
        } catch (const PdfStampFailure& failure) {
            call_.error() << t::pdfNotWritten(r_.out.string(),
                                              pdfProblemMessage(failure.problem, r_.in.string(),
                                                                Language::English))
                          << "\n";
        }
        return std::nullopt;
    }

    bool writeCopy(const std::string& bytes) {
        std::error_code error;
        if (writeFileAtomically(r_.out, bytes, error))
            return true;
        call_.error() << t::pdfNotWritten(r_.out.string(), t::notWrittenReason(error)) << "\n";
        return false;
    }

    const VerbCall& call_;
    const PdfStampRequest& r_;
    PdfToStamp& pdf_;
    CVermilinDoc& document_;
};

} // namespace

ExitStatus runStampPdfVerb(const VerbCall& call) {
    const std::optional<PdfStampRequest> request = readRequest(call);
    if (!request)
        return ExitStatus::UsageOrFileError;
    std::variant<PdfToStamp, PdfProblem> opened = PdfToStamp::open(request->in);
    if (const auto* problem = std::get_if<PdfProblem>(&opened)) {
        report(call, *problem, request->in);
        return ExitStatus::UsageOrFileError;
    }
    PdfToStamp& pdf = std::get<PdfToStamp>(opened);
    if (const auto problem = pdf.placementProblem({request->at.page, 0, 0}, 0, 0)) {
        report(call, *problem, request->in);
        return ExitStatus::UsageOrFileError;
    }

    VerbStamping stamping(call, request->fields);
    if (!stamping.chooseSeal())
        return ExitStatus::Fault;
    const SealDialogOutputs seal = stamping.seal();
    std::string sizeError;
    if (const auto size = readSealSize(seal.sizeX, seal.sizeY, sizeError)) {
        if (const auto problem = pdf.placementProblem(request->at, size->widthMm, size->heightMm)) {
            report(call, *problem, request->in);
            return ExitStatus::UsageOrFileError;
        }
    }

    StampedCopyOutput output(call, *request, pdf, stamping.document());
    const ExitStatus status = stamping.stamp(output);
    // The copy is made all the same: the warning says why its seal's texts may be boxes.
    if (status == ExitStatus::Done)
        if (const std::string notice = missingSealFontsNotice(installedSealFontAvailability());
            !notice.empty())
            call.error() << notice << "\n";
    return status;
}

} // namespace vermil::cli
