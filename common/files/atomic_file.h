#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace vermil {

// Replaces `file` with `bytes` in one step: a temporary file in the same folder is
// written, flushed and renamed over it, so readers see the old or the new file,
// never a part. An existing file keeps its permissions, and its owner and group
// where the writer may keep them (else at least the group). Only a regular file is
// replaced: a FIFO, device or socket at `file` is refused with its kind as the
// error (a folder with EISDIR). A symbolic link is followed: its final target is replaced and the
// link stays. Temporaries that a killed writer left beside the file are removed
// first. False when anything failed; the old file is then untouched.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// The same; on failure `error` holds the system's reason (ENOSPC for a full disk).
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         std::error_code& error);

} // namespace vermil
