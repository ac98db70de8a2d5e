#pragma once

#include "stamper/pdf/pdf_problem.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vermil {

// A stamp found in a stamped PDF: the attached stamp object and where its seal
// was put.
struct PdfStampFound {
    std::string attachmentName; // UTF-8
    int page = 0;               // 1 is the first
    double xMm = 0;
    double yMm = 0;
    std::string nativeData;
};

// The stamps attached to a PDF, in the order they were made. NoStamps when it
// carries none; the other refusals as PdfToStamp::open gives them (a signed PDF
// is read all the same).
std::variant<std::vector<PdfStampFound>, PdfProblem>
readPdfStamps(const std::filesystem::path& file);
std::variant<std::vector<PdfStampFound>, PdfProblem> readPdfStampsFromBytes(std::string bytes);

// True when `head` (the first bytes of a file) looks like a PDF: "%PDF-" within
// its first 1024 bytes.
bool looksLikePdf(std::string_view head);

} // namespace vermil
