#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace vermil {

// Check codes shared by every program of the suite. The routines work on bytes
// (CP932 text is fed byte by byte) and must stay byte-identical to the codes in
// files written by the Windows programs.

// Six-character code seeded by the first six bytes of `key`.
std::string hash6(std::string_view text, std::string_view key);

// Eight-character code over digits and capital letters (never 0, I, O),
// seeded by the first eight bytes of `key`.
std::string hash8(std::string_view text, std::string_view key);

// hash8 of many texts at once: codes[i] = hash8(texts[i], key). Long runs of
// texts (the lines of a stamp log) are hashed side by side in vector registers,
// several times faster than one after another.
void hash8Many(std::span<const std::string_view> texts, std::string_view key,
               std::span<std::array<char, 8>> codes);

// Reversible letter-pair encoding of a remembered password.
std::string encodePairs(std::string_view text);
std::string decodePairs(std::string_view code);

namespace hashkeys {
inline constexpr std::string_view passwordCode = "VRMMGR";
inline constexpr std::string_view indexHash = "VRM77G";
inline constexpr std::string_view sealFileHash = "MIRTHFUL";
inline constexpr std::string_view logLineCode = "QUAVERLY";
} // namespace hashkeys

} // namespace vermil
