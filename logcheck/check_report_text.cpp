#include "check_report_text.h"

#include "cp932_utf8_table.h"

#include <cstring>

namespace vermil {
namespace {

// Line feed, two blanks, the code, two blanks, the verdict and a line feed.
constexpr std::size_t verdictBytes = 1 + 2 + 8 + 2 + 2 + 1;

char* writeReportLine(char* out, std::string_view lineText, const CheckedLine& line) {
    out = writeCp932AsUtf8(out, lineText);
    if (line.lineFeed)
        *out++ = '\n';
    *out++ = ' ';
    *out++ = ' ';
    std::memcpy(out, line.code.data(), line.code.size());
    out += line.code.size();
    std::memcpy(out, line.ok ? "  OK\n" : "  NG\n", 5);
    return out + 5;
}

} // namespace

void appendReportLine(std::string& out, std::string_view lineText, const CheckedLine& line) {
    const std::size_t start = out.size();
    out.resize(start + maxUtf8BytesPerCp932Byte * lineText.size() + verdictBytes);
    char* end = writeReportLine(out.data() + start, lineText, line);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

void appendReport(ByteBuffer& out, const CheckedBlock& block) {
    char* end = out.prepare(maxUtf8BytesPerCp932Byte * block.text.size() +
                            verdictBytes * block.lines.size());
    for (const CheckedLine& line : block.lines)
        end = writeReportLine(end, block.text.view().substr(line.offset, line.length), line);
    out.commit(end);
}

std::string totalsText(const CheckCounts& counts) {
    return "Total: " + std::to_string(counts.total) + "  OK: " + std::to_string(counts.ok) +
           "  NG: " + std::to_string(counts.ng);
}

} // namespace vermil
