#pragma once

#include <string>
#include <string_view>

namespace vermil {

// Appends the UTF-8 form of CP932 `bytes` to `out`, exactly as cp932ToUtf8 gives
// it (unmapped bytes become U+FFFD), without a converter call per text: the
// report echoes every log line, and a per-line iconv call would cost more than
// the whole check. Runs of ASCII are copied as they are.
void appendCp932AsUtf8(std::string& out, std::string_view bytes);

} // namespace vermil
