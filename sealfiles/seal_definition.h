#pragma once

#include "seal_fonts.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace vermil {

inline constexpr std::string_view defaultProfileName = "osprf_vrm_default.xml";
inline constexpr std::string_view defaultDateFormat = "YYYY.MM.DD";
inline constexpr std::string_view defaultSealSize = "19";

// Readers load at most this many bytes of a seal file; a longer text would be cut
// and could never verify again.
inline constexpr std::size_t maxSealTextBytes = 1023;

// What one seal file holds (CP932 texts).
struct SealDefinition {
    std::string up1;
    std::string up2;
    std::string down;
    std::string profile = std::string(defaultProfileName);
    std::string sizeX = std::string(defaultSealSize);
    std::string sizeY = std::string(defaultSealSize);
    std::string format;
    SealFonts fonts = defaultSealFonts();
};

// The seal file's Hash element: hash8 over Up1, Up2 and Down joined without separators.
std::string sealTextHash(std::string_view up1, std::string_view up2, std::string_view down);

// The whole seal file: one line, no line break anywhere, values verbatim.
std::string buildSealText(const SealDefinition& seal);

// Seal sizes are whole millimetres in this range.
inline constexpr int minSealMillimetres = 1;
inline constexpr int maxSealMillimetres = 1000;

// Why the seal cannot be written so that it reads back whole and draws (a value
// holding a tag of the file or a line break, a text beyond maxSealTextBytes, a
// profile that is not a plain file name of the seal folder, a size that is not
// whole millimetres from 1 to 1000), or nullopt.
std::optional<QString> sealTextProblem(const SealDefinition& seal);

// A seal file as read. Defaults are applied where the file has none, except for
// the sizes, whose fallback differs between the programs.
struct SealFileContent {
    bool hasVermil = false; // false: older file, the texts come from the index
    std::string up1;
    std::string up2;
    std::string down;
    std::string profile; // default profile name when empty
    std::string sizeX;   // the caller's fallback when empty
    std::string sizeY;
    std::string format; // "YYYY.MM.DD" when empty
    std::string storedHash;
    bool hasFonts = false; // false: the fonts come from the layout profile
    SealFonts fonts;       // Name, B, Size of each line of the Font block
};

SealFileContent parseSealText(std::string_view text,
                              std::string_view sizeXFallback = defaultSealSize,
                              std::string_view sizeYFallback = defaultSealSize);

} // namespace vermil
