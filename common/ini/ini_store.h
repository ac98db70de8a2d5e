#pragma once

#include "common/ini/ini_syntax.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace vermil {

// INI files read and written with the behaviour of the Windows private-profile
// calls (see ini_text.h). Writes are atomic (temporary file and rename beside the
// file, or beside the final target of a symbolic link; permissions kept) and hold
// an advisory lock on the file across read-modify-write, so a crash never leaves a
// half-written file and two programs writing at once both keep their keys. Several
// keys can be set in one replacement, and a caller can read, check and write under
// one hold of the lock.

// Files larger than this are not INI files of this suite; they read as missing.
inline constexpr std::uintmax_t maxIniFileBytes = std::uintmax_t{16} * 1024 * 1024;

// The text of an INI file as it was read at one moment, for lookups with the
// readers' rules.
class IniSnapshot {
public:
    IniSnapshot() = default;
    explicit IniSnapshot(std::string content) : content_(std::move(content)) {}

    const std::string& content() const { return content_; }
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // As readIniString and readIniInt.
    std::string string(std::string_view section, std::string_view key, std::string_view fallback,
                       std::size_t bufferSize) const;
    int integer(std::string_view section, std::string_view key, int fallback) const;

private:
    std::string content_;
};

// The file as it is now; empty when it is missing, not a regular file or too large.
IniSnapshot readIniFile(const std::filesystem::path& file);

std::optional<std::string> readIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key);

// The value, or `fallback` when the file, section or key is missing; a value longer
// than bufferSize - 1 bytes is cut to that length.
std::string readIniString(const std::filesystem::path& file, std::string_view section,
                          std::string_view key, std::string_view fallback, std::size_t bufferSize);

// The leading decimal number of the value; `fallback` when the key is missing or empty.
int readIniInt(const std::filesystem::path& file, std::string_view section, std::string_view key,
               int fallback);

// Sets one key, creating the file and section as needed. False when the folder
// does not exist, the file cannot be written, or the text cannot be stored.
bool writeIniString(const std::filesystem::path& file, std::string_view section,
                    std::string_view key, std::string_view value);

// How a multi-key write or a locked update ended.
struct IniWriteOutcome {
    enum class Status {
        Written,  // every key is set (also when the file already held the values)
        Declined, // the update's plan chose to write nothing; the file is as it was
        Failed,   // nothing was changed
    };
    Status status = Status::Failed;
    // Failed: the system's reason (ENOSPC for a full disk); empty when the text
    // could not be stored (a line break in a value, a "]" in a section name).
    std::error_code error;

    bool written() const { return status == Status::Written; }
};

// Sets every key in one replacement of the file, under its lock: the bytes are
// those of one writeIniString per key in this order, but readers and a crash see
// either none of the writes or all of them.
IniWriteOutcome writeIniStrings(const std::filesystem::path& file,
                                const std::vector<IniWrite>& writes);

// What a locked update writes after looking at the file: the keys to set in one
// replacement, or nullopt to leave the file as it is.
using IniUpdatePlan = std::function<std::optional<std::vector<IniWrite>>(const IniSnapshot&)>;

// A read–check–write under one hold of the file's lock: the file is locked and
// read, `plan` looks at it and decides, and its writes replace the file before the
// lock is released. Whatever else `plan` does (the seal writer writes a seal file
// there) happens under the lock too, so no other writer of this file comes in
// between.
IniWriteOutcome updateIniFile(const std::filesystem::path& file, const IniUpdatePlan& plan);

} // namespace vermil
