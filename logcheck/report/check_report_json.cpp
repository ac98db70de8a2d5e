#include "logcheck/report/check_report_json.h"

#include "logcheck/cp932_utf8_table.h"
#include "logcheck/log_line_check.h"

#include <cstring>
#include <vector>

namespace vermil {
namespace {

char* putText(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

char* putString(char* out, std::string_view cp932, bool& invalid) {
    *out++ = '"';
    out = writeCp932AsJsonString(out, cp932, invalid);
    *out++ = '"';
    return out;
}

char* putHex(char* out, std::string_view bytes) {
    constexpr char digits[] = "0123456789abcdef";
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = digits[b >> 4];
        *out++ = digits[b & 0xF];
    }
    return out;
}

// The most one line's object can take: the text, its fields (never longer than
// the text, two quotes and a comma each), the last field again as the stored
// code, and the hex form, all at their widest.
std::size_t objectRoom(std::size_t textBytes) {
    return 3 * maxJsonBytesPerCp932Byte * textBytes + 3 * textBytes + 2 * textBytes + 160;
}

char* writeObject(char* out, std::string_view text, const CheckedLine& line,
                  std::vector<std::string_view>& fields) {
    bool invalid = false;
    out = putText(out, ",\"text\":");
    out = putString(out, text, invalid);
    fields.clear();
    if (!line.tooLong)
        logLineFields(text, fields);
    out = putText(out, ",\"fields\":[");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i != 0)
            *out++ = ',';
        out = putString(out, fields[i], invalid);
    }
    out = putText(out, "],\"stored_code\":");
    out = putString(out, fields.empty() ? std::string_view() : fields.back(), invalid);
    out = putText(out, ",\"computed_code\":\"");
    out = putText(out, std::string_view(line.code.data(), line.code.size()));
    out = putText(out, line.ok ? "\",\"verdict\":\"OK\"" : "\",\"verdict\":\"NG\"");
    if (invalid) {
        out = putText(out, ",\"text_hex\":\"");
        out = putHex(out, text);
        *out++ = '"';
    }
    return putText(out, "}\n");
}

void appendJsonString(std::string& out, std::string_view utf8) {
    out += '"';
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (b < 0x20) {
            constexpr char digits[] = "0123456789abcdef";
            out += "\\u00";
            out += digits[b >> 4];
            out += digits[b & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

} // namespace

void renderJsonLines(CheckedBlock& block, bool ngOnly) {
    thread_local std::vector<std::string_view> fields;
    block.rendered.clear();
    ByteBuffer& out = block.report;
    for (std::size_t i = 0; i < block.lines.size(); ++i) {
        const CheckedLine& line = block.lines[i];
        if (ngOnly && line.ok)
            continue;
        const std::string_view text = block.text.view().substr(line.offset, line.length);
        char* end = writeObject(out.prepare(objectRoom(text.size())), text, line, fields);
        out.commit(end);
        block.rendered.push_back(
            {static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(out.size())});
    }
}

std::string jsonSummary(const CheckCounts& counts, std::string_view path,
                        std::uint64_t bytesChecked) {
    std::string out = "{\"total\":" + std::to_string(counts.total) +
                      ",\"ok\":" + std::to_string(counts.ok) +
                      ",\"ng\":" + std::to_string(counts.ng) + ",\"path\":";
    appendJsonString(out, path);
    out += ",\"bytes\":" + std::to_string(bytesChecked) + "}";
    return out;
}

} // namespace vermil
