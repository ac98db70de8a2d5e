#pragma once

#include "logcheck/log_check_run.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vermil {

// JSON Lines for audit scripts. Each log line becomes one object:
//   {"line":17,"text":"...","fields":["...",...],"stored_code":"...",
//    "computed_code":"...","verdict":"OK"}
// with the text in UTF-8; a line with bytes that are no CP932 character shows
// each such byte as \xNN in its texts and carries "text_hex", its bytes in hex.
// renderJsonLines writes the objects from "text" on into block.report, one
// rendered line each, to follow {"line":N (appendNumbered).
void renderJsonLines(CheckedBlock& block, bool ngOnly);

// The closing object: {"total":N,"ok":n,"ng":m,"path":"...","bytes":b}
// `path` is UTF-8.
std::string jsonSummary(const CheckCounts& counts, std::string_view path,
                        std::uint64_t bytesChecked);

} // namespace vermil
