#pragma once

#include <QString>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vermil {

// Stored values are CP932 (Shift-JIS, Windows flavour) byte strings. These helpers
// convert at the edges only: widgets, terminal output and file-system paths.

// True for a byte that starts a double-byte CP932 character.
constexpr bool isCp932LeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Byte length of the character that starts at `pos` (1 or 2; 1 at a cut-off end).
inline std::size_t cp932CharLength(std::string_view text, std::size_t pos) {
    return isCp932LeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// First position >= `from` where `needle` starts on a character boundary of `text`.
std::size_t cp932Find(std::string_view text, std::string_view needle, std::size_t from = 0);

// First position of the single-byte character `c` on a character boundary.
std::size_t cp932FindChar(std::string_view text, char c, std::size_t from = 0);

// Last position of the single-byte character `c` on a character boundary.
std::size_t cp932FindLastChar(std::string_view text, char c);

// Decoding never fails: bytes without a mapping become U+FFFD.
QString fromCp932(std::string_view bytes);
std::string cp932ToUtf8(std::string_view bytes);

// Encoding fails (nullopt) when a character has no CP932 form.
std::optional<std::string> toCp932(const QString& text);
std::optional<std::string> utf8ToCp932(std::string_view utf8);

// Like toCp932, for the fixed texts of the system that are known to convert.
std::string cp932Literal(std::string_view utf8);

// The native path of a CP932 path read from a settings or index file.
std::filesystem::path nativePath(std::string_view cp932Path);

// The CP932 form of a native path; nullopt when the path has no CP932 form.
std::optional<std::string> cp932Path(const std::filesystem::path& path);

} // namespace vermil
