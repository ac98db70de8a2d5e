#pragma once

#include "stamper/document/stamp_record.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

namespace vermil {
class CVermilinDoc;
}

namespace vermil::cli {

// The stamp kept in a file of native data; nullopt after a message to `err` naming
// the file and the problem.
std::optional<StampRecord> readStampFile(const std::filesystem::path& file, std::ostream& err);

// Opens the stamp object kept in `file` in `document`, as the embedding does: a
// missing or empty file is a new object. False after a message to `err` when the
// file cannot be read or does not hold stamp data; the document is then unchanged.
bool openStampObject(const std::filesystem::path& file, CVermilinDoc& document, std::ostream& err);

} // namespace vermil::cli
