#pragma once

#include "stamper/pdf/pdf_problem.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace vermil {

// A PDF larger than this is refused before it is read.
inline constexpr std::uintmax_t maxStampPdfBytes = std::uintmax_t{1} << 30;

// The visible page as a reader shows it: its crop box (the media box when it has
// none), turned by the page's /Rotate, in millimetres.
struct PdfPageSize {
    double widthMm = 0;
    double heightMm = 0;
};

// Where a seal goes: the page (1 is the first) and the distance from the
// top-left corner of the visible page to the top-left corner of the seal, in
// millimetres, x to the right, y down, as the reader shows the page.
struct PdfPlacement {
    int page = 1;
    double xMm = 0;
    double yMm = 0;
};

// One seal to put on a page: its picture as a one-page PDF of exactly the seal
// size (containerPicturePdf), and the stamp object that travels with it.
struct PdfSeal {
    std::string picturePdf;
    double widthMm = 0;
    double heightMm = 0;
    std::string nativeData;     // the stamp object's bytes, attached to the PDF
    std::string attachmentName; // UTF-8 file name of the attachment, e.g. "印-20261210-142000.vrs"
};

// A PDF opened for stamping: read once, checked for everything that forbids a
// stamp (not a PDF, damaged beyond repair, encrypted, signed), then stamped in
// memory. The input file is never written.
//
//     auto opened = PdfToStamp::open("in.pdf");
//     if (auto* problem = std::get_if<PdfProblem>(&opened)) { report(*problem); return; }
//     PdfToStamp& pdf = std::get<PdfToStamp>(opened);
//     if (auto problem = pdf.placementProblem(at, seal.widthMm, seal.heightMm)) { ... }
//     std::string stamped = pdf.stamp(seal, at);  // write it with writeFileAtomically
class PdfToStamp {
public:
    static std::variant<PdfToStamp, PdfProblem> open(const std::filesystem::path& file);
    // The same from bytes already read (tests, fuzzing).
    static std::variant<PdfToStamp, PdfProblem> fromBytes(std::string bytes);

    PdfToStamp(PdfToStamp&&) noexcept;
    PdfToStamp& operator=(PdfToStamp&&) noexcept;
    ~PdfToStamp();

    int pageCount() const;
    // `page` from 1 to pageCount().
    PdfPageSize pageSize(int page) const;
    // PageOutOfRange or OutsidePage when a seal of that size cannot go there;
    // nullopt when it can.
    std::optional<PdfProblem> placementProblem(const PdfPlacement& at, double sealWidthMm,
                                               double sealHeightMm) const;

    // The whole document with the seal drawn upright at `at` as vector art (a
    // form XObject over the page's own content) and the stamp object attached.
    // Each call adds one more seal to this document. Throws PdfStampFailure when
    // the placement is refused or qpdf cannot write the result.
    std::string stamp(const PdfSeal& seal, const PdfPlacement& at);

private:
    struct Document;
    explicit PdfToStamp(std::unique_ptr<Document> document);
    std::unique_ptr<Document> document_;
};

struct PdfStampFailure {
    PdfProblem problem;
};

} // namespace vermil
