#pragma once

#include "seal_fonts.h"

#include <optional>
#include <string>
#include <string_view>

namespace vermil {

class Prompter;

// Profiles are hand-written and may be indented over many lines; they are read up
// to this many bytes (lines joined).
inline constexpr std::size_t maxProfileTextBytes = std::size_t{64} * 1024;

// A profile is always looked for in the seal folder (ending in "/"), by file name.
std::string profilePath(std::string_view sealFolder, std::string_view profileName);

// The whole profile file, lines joined, or nullopt when it cannot be opened.
std::optional<std::string> loadProfileFile(std::string_view path);

// False when the stamping program would not find the profile and would stamp the seal
// with its built-in layout (Warning 425): nothing readable in the seal folder by that name.
bool profileIsReadable(std::string_view sealFolder, std::string_view profileName);

// The manager's reading: the Font of each text line of the profile replaces the
// current font value by value where the profile has one. A profile that is
// missing or empty leaves the fonts as they are, without a message.
void readProfileFonts(std::string_view path, SealFonts& fonts);
void applyProfileFonts(std::string_view profileFileText, SealFonts& fonts);

// The starting fonts of a new seal with the given profile: the manager's defaults,
// then the profile's fonts. A seal folder that lacks the default profile gets it
// with the next seal written, so its fonts are those of the built-in profile.
SealFonts fontsForNewSeal(std::string_view sealFolder, std::string_view profileName);

// The stamping program's reading: the Profile element of the file. When the file
// cannot be opened, Warning 425 is shown and nullopt returned; the drawing then
// keeps its built-in layout.
std::optional<std::string> readProfileText(std::string_view path, Prompter& prompter);

// The stamping program's fonts from a profile text (the Profile element): Name,
// B and Size of each line's Font, as they stand.
SealFonts fontsOfProfileText(std::string_view profileText);

} // namespace vermil
