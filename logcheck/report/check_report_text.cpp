#include "logcheck/report/check_report_text.h"

#include "logcheck/cp932_utf8_table.h"

#include <charconv>
#include <cstring>

namespace vermil {
namespace {

// Line feed, two blanks, the code, two blanks, the verdict and a line feed.
constexpr std::size_t verdictBytes = 1 + 2 + 8 + 2 + 2 + 1;

char* writeReportLine(char* out, std::string_view lineText, const CheckedLine& line) {
    out = writeCp932AsUtf8(out, lineText);
    *out++ = '\n';
    *out++ = ' ';
    *out++ = ' ';
    std::memcpy(out, line.code.data(), line.code.size());
    out += line.code.size();
    std::memcpy(out, line.ok ? "  OK\n" : "  NG\n", 5);
    return out + 5;
}

// Room for the longest decimal number of 64 bits and what stands around it.
constexpr std::size_t numberPrefixBytes = 32;

char* writeNumberPrefix(char* out, std::uint64_t number, Rendering rendering) {
    const bool json = rendering == Rendering::Json || rendering == Rendering::NgJson;
    if (json) {
        std::memcpy(out, "{\"line\":", 8);
        out += 8;
    }
    out = std::to_chars(out, out + 20, number).ptr;
    if (!json) {
        *out++ = ':';
        *out++ = ' ';
    }
    return out;
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

void renderNgReport(CheckedBlock& block) {
    block.rendered.clear();
    ByteBuffer& out = block.report;
    for (std::size_t i = 0; i < block.lines.size(); ++i) {
        const CheckedLine& line = block.lines[i];
        if (line.ok)
            continue;
        char* room = out.prepare(maxUtf8BytesPerCp932Byte * line.length + verdictBytes);
        char* end = writeReportLine(room, block.text.view().substr(line.offset, line.length), line);
        out.commit(end);
        block.rendered.push_back(
            {static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(out.size())});
    }
}

void appendNumbered(ByteBuffer& out, const CheckedBlock& block, Rendering rendering) {
    const std::uint64_t first = block.firstLineNumber();
    const std::string_view report = block.report.view();
    char* end = out.prepare(report.size() + numberPrefixBytes * block.rendered.size());
    std::size_t start = 0;
    for (const RenderedLine& rendered : block.rendered) {
        end = writeNumberPrefix(end, first + rendered.line, rendering);
        const std::size_t length = rendered.end - start;
        std::memcpy(end, report.data() + start, length);
        end += length;
        start = rendered.end;
    }
    out.commit(end);
}

std::string totalsText(const CheckCounts& counts, std::uint64_t bytesChecked) {
    return "Total: " + std::to_string(counts.total) + "  OK: " + std::to_string(counts.ok) +
           "  NG: " + std::to_string(counts.ng) + "  Bytes: " + std::to_string(bytesChecked);
}

} // namespace vermil
