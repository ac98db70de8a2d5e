#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermil {

// Private-profile semantics over the bytes of one INI file (CP932):
// section and key names are compared without regard to ASCII letter case,
// character by character (a double-byte character is never folded or split),
// the first matching section and the first matching key win, values are
// trimmed of edge blanks and one pair of matching quotes is removed.

// The value of `key` in `section`, or nullopt when the section or key is missing.
std::optional<std::string> iniLookup(std::string_view content, std::string_view section,
                                     std::string_view key);

// True when `a` and `b` are equal, folding single-byte ASCII letters only.
bool iniNamesEqual(std::string_view a, std::string_view b);

// The text a writer puts after "=" so that iniLookup gives back `value` byte for byte.
std::string iniEncodeValue(std::string_view value);

// The file content after setting one key; every other byte is kept. nullopt when
// the section, key or value cannot be stored on one line.
std::optional<std::string> iniReplace(std::string_view content, std::string_view section,
                                      std::string_view key, std::string_view value);

// One key to set.
struct IniWrite {
    std::string section;
    std::string key;
    std::string value;
};

// The content after setting each key in turn: the same bytes as one iniReplace
// per key, in order. nullopt when any of them cannot be stored.
std::optional<std::string> iniReplaceAll(std::string_view content,
                                         const std::vector<IniWrite>& writes);

} // namespace vermil
