#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vermil {

// INI files read and written one key at a time, with the behaviour of the Windows
// private-profile calls (see ini_text.h). Writes are atomic (temporary file and
// rename in the same folder, permissions kept) and hold an advisory lock across
// read-modify-write, so a crash never leaves a half-written file and two programs
// writing different keys at once both keep their key.

// Files larger than this are not INI files of this suite; they read as missing.
inline constexpr std::uintmax_t maxIniFileBytes = 16 * 1024 * 1024;

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

} // namespace vermil
