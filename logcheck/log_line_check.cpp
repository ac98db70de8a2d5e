#include "log_line_check.h"

#include "common/cp932.h"
#include "common/keyed_hash.h"

#include <algorithm>
#include <cstring>

namespace vermil {
namespace {

enum ByteKind : unsigned char { Plain, Separator, LeadByte };

constexpr std::array<unsigned char, 256> byteKinds = [] {
    std::array<unsigned char, 256> kinds{};
    for (int b = 0; b < 256; ++b)
        kinds[b] = isCp932LeadByte(static_cast<unsigned char>(b)) ? LeadByte : Plain;
    for (unsigned char separator : {',', '|', '\t', '\n'})
        kinds[separator] = Separator;
    return kinds;
}();

// Calls `onField(begin, length)` for each field of the line, in order.
template <typename OnField> void forEachField(std::string_view line, OnField&& onField) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(line.data());
    const std::size_t size = line.size();
    std::size_t pos = 0;
    while (pos < size) {
        while (pos < size && byteKinds[bytes[pos]] == Separator)
            ++pos;
        if (pos == size)
            break;
        const std::size_t start = pos;
        while (pos < size) {
            const unsigned char kind = byteKinds[bytes[pos]];
            if (kind == Separator)
                break;
            pos += kind == LeadByte && pos + 1 < size ? 2 : 1;
        }
        onField(start, pos - start);
    }
}

} // namespace

std::vector<std::string_view> logLineFields(std::string_view line) {
    std::vector<std::string_view> fields;
    forEachField(line, [&](std::size_t start, std::size_t length) {
        fields.push_back(line.substr(start, length));
    });
    return fields;
}

char* writeLineFields(std::string_view line, char* out, std::size_t& lastFieldOffset) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(line.data());
    const std::size_t size = line.size();
    char* const begin = out;
    const char* lastField = nullptr;
    bool inField = false;
    std::size_t pos = 0;
    while (pos < size) {
        const unsigned char b = bytes[pos++];
        const unsigned char kind = byteKinds[b];
        if (kind == Separator) {
            inField = false;
            continue;
        }
        if (!inField) {
            inField = true;
            lastField = out;
        }
        *out++ = static_cast<char>(b);
        if (kind == LeadByte && pos < size)
            *out++ = static_cast<char>(bytes[pos++]);
    }
    lastFieldOffset = lastField ? static_cast<std::size_t>(lastField - begin) : std::string::npos;
    return out;
}

std::size_t appendLineFields(std::string_view line, std::string& joined) {
    const std::size_t start = joined.size();
    joined.resize(start + line.size());
    std::size_t lastField = 0;
    char* end = writeLineFields(line, joined.data() + start, lastField);
    joined.resize(static_cast<std::size_t>(end - joined.data()));
    return lastField == std::string::npos ? lastField : start + lastField;
}

LineVerdict LogLineChecker::check(std::string_view line) {
    body_.clear();
    const std::size_t lastFieldStart = appendLineFields(line, body_);

    const bool anyField = lastFieldStart != std::string::npos;
    const std::string_view joined(body_);
    const std::string_view body = anyField ? joined.substr(0, lastFieldStart) : joined;
    const std::string_view stored = anyField ? joined.substr(lastFieldStart) : std::string_view();
    const std::string code = hash8(body, hashkeys::logLineCode);

    LineVerdict verdict;
    std::memcpy(verdict.code.data(), code.data(), verdict.code.size());
    verdict.ok = anyField && stored == code;
    return verdict;
}

} // namespace vermil
