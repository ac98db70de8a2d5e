#pragma once

#include "stamper/pdf/pdf_problem.h"

#include <qpdf/QPDF.hh>

#include <filesystem>
#include <memory>
#include <string>
#include <variant>

namespace vermil::pdf {

// A PDF read into memory and parsed by qpdf. The bytes stay here because qpdf
// reads objects from them lazily, up to the last write.
struct OpenedPdf {
    std::unique_ptr<std::string> bytes;
    std::unique_ptr<QPDF> document;
};

enum class Signatures { Refuse, Accept };

// The whole file, at most maxStampPdfBytes; a regular file only (a FIFO or a
// device is never read).
std::variant<std::string, PdfProblem> readPdfFile(const std::filesystem::path& file);

// Parses `bytes`: NotPdf without a PDF header, Encrypted for any encryption,
// Damaged when qpdf cannot read or repair the file or its page tree or finds
// no page, Signed
// (with Signatures::Refuse) for a PDF that carries a digital signature.
std::variant<OpenedPdf, PdfProblem> openPdf(std::string bytes, Signatures signatures);

} // namespace vermil::pdf
