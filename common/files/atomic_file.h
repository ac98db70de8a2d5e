#pragma once

#include "common/files/regular_file.h"

#include <filesystem>
#include <optional>
#include <string>
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

// writeFileAtomically in two steps, for files that change together: prepare()
// writes and flushes every new file beside its old one, and only when all of them
// are on the disk does commit() rename each into place. Whatever fails before the
// first commit leaves every old file as it was; a replacement never committed
// takes its temporary away with it.
//
//     auto object = PreparedReplacement::prepare(stampFile, objectBytes, error);
//     auto picture = object ? PreparedReplacement::prepare(pictureFile, png, error) : nullopt;
//     if (picture && object->commit(error)) picture->commit(error);
class PreparedReplacement {
public:
    static std::optional<PreparedReplacement>
    prepare(const std::filesystem::path& file, std::string_view bytes, std::error_code& error);
    PreparedReplacement(PreparedReplacement&& other) noexcept;
    PreparedReplacement& operator=(PreparedReplacement&& other) noexcept;
    PreparedReplacement(const PreparedReplacement&) = delete;
    PreparedReplacement& operator=(const PreparedReplacement&) = delete;
    ~PreparedReplacement();

    // Puts the new file in place of the old one; false with the reason otherwise.
    bool commit(std::error_code& error);

private:
    PreparedReplacement(std::filesystem::path target, std::string temporary, RegularFile file)
        : target_(std::move(target)), temporary_(std::move(temporary)), file_(std::move(file)) {}
    void discard();

    std::filesystem::path target_;
    std::string temporary_; // empty once renamed or moved away
    RegularFile file_;      // holds the temporary's lock until it is renamed
};

} // namespace vermil
