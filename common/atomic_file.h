#pragma once

#include <filesystem>
#include <string_view>

namespace vermil {

// Replaces `file` with `bytes` in one step: a temporary file in the same folder is
// written, flushed and renamed over it, so readers see the old or the new file,
// never a part. An existing file keeps its permissions. False when anything failed;
// the old file is then untouched.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

} // namespace vermil
