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

// At most this many bytes of a JSON string per CP932 byte ("\u001f").
inline constexpr std::size_t maxJsonBytesPerCp932Byte = 6;

// Writes `bytes` as the inside of a JSON string (without the quotes): UTF-8,
// with quotes, backslashes and control characters escaped, and each byte that
// is not part of a CP932 character as the visible text \xNN, so no byte is
// lost. `invalid` becomes true when there was such a byte.
char* writeCp932AsJsonString(char* out, std::string_view bytes, bool& invalid);

} // namespace vermil
