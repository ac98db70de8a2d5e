#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace vermil {

// Seal files lie in the seal folder (a CP932 path ending in "/") as seal name + ".vrm".
std::string sealFilePath(std::string_view sealFolder, std::string_view sealName);

// Writes the text whole, replacing any older file atomically. Refuses (false,
// nothing written) a name that is not a safe seal name.
bool writeSealFile(std::string_view sealFolder, std::string_view sealName, std::string_view text);
// The same; on failure `error` holds the system's reason, when there is one.
bool writeSealFile(std::string_view sealFolder, std::string_view sealName, std::string_view text,
                   std::error_code& error);

// The file's text as the programs read it (lines joined, at most 1023 bytes), or
// nullopt when it cannot be opened, is not a regular file, or its text is longer
// than that (no seal file the programs write is, and a cut text must never be
// checked as the seal).
std::optional<std::string> readSealFile(std::string_view path);

} // namespace vermil
