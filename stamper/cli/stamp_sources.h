#pragma once

#include "common/language.h"
#include "stamper/document/stamp_record.h"
#include "stamper/pdf/pdf_stamp_reading.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vermil::cli {

// A stamp read for --info or --render: from a stamp object file, or one of the
// stamps attached to a stamped PDF with where its seal was put.
struct FoundStamp {
    StampRecord stamp;
    std::optional<PdfStampFound> inPdf; // its nativeData left empty
    // Why an attached stamp could not be read (the whole message, UTF-8); its
    // record is then empty. Empty for a stamp that was read.
    std::string damage;
};

// The stamp of a stamp object file, or every stamp of a stamped PDF in the
// order they were made, a damaged one among them kept with its damage so that
// the others still show; nullopt after a message to `err` naming the file.
std::optional<std::vector<FoundStamp>> readStamps(const std::filesystem::path& file,
                                                  std::ostream& err);

// The line --info prints above a stamp of a PDF: its number, page and position.
std::string pdfStampHeading(std::size_t number, std::size_t count, const PdfStampFound& where,
                            Language language);

} // namespace vermil::cli
