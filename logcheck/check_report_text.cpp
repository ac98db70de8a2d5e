#include "check_report_text.h"

#include "cp932_utf8_table.h"

namespace vermil {

void appendReportLine(std::string& out, std::string_view lineText, const CheckedLine& line) {
    appendCp932AsUtf8(out, lineText);
    if (line.lineFeed)
        out += '\n';
    out.append("  ", 2);
    out.append(line.code.data(), line.code.size());
    out.append(line.ok ? "  OK\n" : "  NG\n", 5);
}

void appendReport(std::string& out, const CheckedBlock& block) {
    for (const CheckedLine& line : block.lines)
        appendReportLine(out, std::string_view(block.text).substr(line.offset, line.length), line);
}

std::string totalsText(const CheckCounts& counts) {
    return "Total: " + std::to_string(counts.total) + "  OK: " + std::to_string(counts.ok) +
           "  NG: " + std::to_string(counts.ng);
}

} // namespace vermil
