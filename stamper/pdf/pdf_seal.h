#pragma once

#include "common/language.h"
#include "stamper/pdf/pdf_stamping.h"

#include <chrono>
#include <filesystem>

namespace vermil {

class CVermilinDoc;

// The seal of the document's stamp, ready to go into a PDF: its picture as a
// one-page PDF of the seal size, the stamp object's native data, and the
// attachment name, from the seal's name and `stampedAt` (local time). Call it
// after the seal dialog's outputs were copied into the document. Throws
// NativeDataError when the stamp's texts are too long to store, and
// PdfStampFailure when the picture cannot be made.
PdfSeal
pdfSealOf(CVermilinDoc& document,
          std::chrono::system_clock::time_point stampedAt = std::chrono::system_clock::now());

// The file name a save dialog proposes for the stamped copy of `input`: beside it,
// its name followed by "-承認" (Japanese) or "-stamped" (English), ".pdf".
std::filesystem::path proposedStampedPdfPath(const std::filesystem::path& input, Language language);

} // namespace vermil
