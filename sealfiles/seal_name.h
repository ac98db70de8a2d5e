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
// share, and every name must be listed whole. The problem, naming the name, or
// nullopt for a name that is safe. Characters are tested as CP932 characters, so
// a double-byte character whose second byte is 0x5C or 0x7C is fine.
std::optional<QString> sealNameProblem(std::string_view name);

// The name for a message: control characters are shown as \xNN.
QString displaySealName(std::string_view name);

} // namespace vermil
