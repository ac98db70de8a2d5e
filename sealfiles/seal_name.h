#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string_view>

namespace vermil {

// The seal lists of both programs read names into 49 bytes of room.
inline constexpr std::size_t maxSealNameBytes = 48;

// A seal name is at once a file name and an INI section name. Nothing may leave
// the seal folder, break the index file or be impossible to store on a Windows
// share (a Windows device name such as CON, NUL, AUX, COM1 or LPT1, with or
// without an extension, is refused), and every name must be listed whole. The problem, naming the
// name, or nullopt for a name that is safe. Characters are tested as CP932 characters, so a
// double-byte character whose second byte is 0x5C or 0x7C is fine.
std::optional<QString> sealNameProblem(std::string_view name);

// The name for a message: control characters are shown as \xNN.
QString displaySealName(std::string_view name);

// True for two names that are different seals but one INI section (and one file
// on Windows): equal but for the letter case of ASCII letters.
bool namesDifferOnlyInCase(std::string_view a, std::string_view b);

// Why `name` may not be registered beside the registered seal `registered`.
QString caseOnlyDifferenceMessage(std::string_view name, std::string_view registered);

} // namespace vermil
