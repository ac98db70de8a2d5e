#pragma once

#include "stamper/stamp_record.h"

#include <filesystem>
#include <iosfwd>
#include <optional>

namespace vermil::cli {

// The stamp kept in a file of native data; nullopt after a message to `err` naming
// the file and the problem.
std::optional<StampRecord> readStampFile(const std::filesystem::path& file, std::ostream& err);

} // namespace vermil::cli
