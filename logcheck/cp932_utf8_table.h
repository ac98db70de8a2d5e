#pragma once

#include <string>
#include <string_view>

namespace vermil {

// The UTF-8 form of CP932 bytes, exactly as cp932ToUtf8 gives it (unmapped bytes
// become U+FFFD), without a converter call per text: the report echoes every
// log line, and a per-line iconv call would cost more than the whole check.
// Runs of ASCII are copied as they are.

// At most this many UTF-8 bytes per CP932 byte.
inline constexpr std::size_t maxUtf8BytesPerCp932Byte = 3;

// Writes the UTF-8 form of `bytes` at `out` (room for
// maxUtf8BytesPerCp932Byte * bytes.size()) and returns the end of what it wrote.
char* writeCp932AsUtf8(char* out, std::string_view bytes);

void appendCp932AsUtf8(std::string& out, std::string_view bytes);

} // namespace vermil
