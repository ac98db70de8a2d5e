#pragma once

#include "common/language.h"

#include <string>

namespace vermil {

// Why a PDF cannot be stamped, or why its stamps cannot be read.
enum class PdfRefusal {
    Unreadable,     // the file cannot be opened or read
    TooLarge,       // larger than maxStampPdfBytes
    NotPdf,         // no PDF header
    Damaged,        // qpdf could not read or repair it
    Encrypted,      // rewriting it would drop or need its password
    Signed,         // rewriting it would break the digital signature
    PageOutOfRange, // the page number is not one of the document's
    OutsidePage,    // the seal would not lie wholly on the visible page
    NoStamps,       // reading stamps: the PDF carries none
};

// A refusal with its details: `detail` is qpdf's reason for Damaged and the
// system's reason for Unreadable (UTF-8); `page` the page asked for, with the
// document's page count (PageOutOfRange) or that page's visible size and the
// seal's (OutsidePage).
struct PdfProblem {
    PdfRefusal refusal = PdfRefusal::Unreadable;
    std::string detail;
    int page = 0;
    int pageCount = 0;
    double pageWidthMm = 0;
    double pageHeightMm = 0;
    double sealWidthMm = 0;
    double sealHeightMm = 0;
};

inline PdfProblem pdfProblem(PdfRefusal refusal, std::string detail = {}) {
    PdfProblem problem;
    problem.refusal = refusal;
    problem.detail = std::move(detail);
    return problem;
}

// The message for `problem` about `fileUtf8`, one or two sentences in the
// language, UTF-8.
std::string pdfProblemMessage(const PdfProblem& problem, const std::string& fileUtf8,
                              Language language);

} // namespace vermil
