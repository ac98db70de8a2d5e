#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vermil {

// Element texts of the form <Name>value</Name>, read by first occurrence (never
// parsed as a tree): seal files, layout profiles, index data and native data.

// Limits of a file read for its tag text.
inline constexpr std::size_t maxTagFileLines = 32000;
inline constexpr std::size_t maxTagFileBytes = 1023;

// The bytes between the first "<name>" and the first "</name>" of `text`; empty
// when either is missing or the closing tag comes first.
std::string tagText(std::string_view text, std::string_view name);

// The file's lines joined without their line breaks: at most maxTagFileLines lines,
// cut at maxBytes bytes. nullopt when the file cannot be opened or is not a regular file.
std::optional<std::string> loadTagFile(const std::filesystem::path& file,
                                       std::size_t maxBytes = maxTagFileBytes);

// Lookups into a seal definition text, with their defaults for an empty value.
std::string readDateFormat(std::string_view sealText); // Date/Format, "YYYY.MM.DD"
std::string readSizeX(std::string_view sealText);      // Shape/Size/X, "19"
std::string readSizeY(std::string_view sealText);      // Shape/Size/Y, "19"

} // namespace vermil
