#pragma once

#include "logcheck/log_check_run.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vermil {

// The report as the dialog shows it, in UTF-8: each line as read, a line feed
// (the last line of a log without one too, so every verdict stands on a line
// of its own), then two blanks, the computed code, two blanks and OK or NG.
void appendReportLine(std::string& out, std::string_view lineText, const CheckedLine& line);
void appendReport(ByteBuffer& out, const CheckedBlock& block);

// The report of the block's NG lines into block.report, one rendered line each,
// to follow its line number.
void renderNgReport(CheckedBlock& block);

// The rendered lines of a numbered rendering with their line numbers in front:
// "17: " before a report line, {"line":17 before a JSON object.
void appendNumbered(ByteBuffer& out, const CheckedBlock& block, Rendering rendering);

// "Total: N  OK: n  NG: m  Bytes: b"
std::string totalsText(const CheckCounts& counts, std::uint64_t bytesChecked);

} // namespace vermil
