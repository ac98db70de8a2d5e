#pragma once

#include "log_check_run.h"

#include <string>
#include <string_view>

namespace vermil {

// The report as the dialog shows it, in UTF-8: each line as read (with its line
// feed), then two blanks, the computed code, two blanks and OK or NG.
void appendReportLine(std::string& out, std::string_view lineText, const CheckedLine& line);
void appendReport(ByteBuffer& out, const CheckedBlock& block);

// "Total: N  OK: n  NG: m"
std::string totalsText(const CheckCounts& counts);

} // namespace vermil
