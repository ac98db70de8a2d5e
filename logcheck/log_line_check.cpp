#include "log_line_check.h"

#include "common/cp932.h"
#include "common/keyed_hash.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Lines are split 64 bytes at a time: one bit per byte for the separators and
// for the bytes that can start a double-byte character.
constexpr std::size_t chunkBytes = 64;

struct ChunkMasks {
    std::uint64_t separators = 0;
    std::uint64_t leads = 0;
};

ChunkMasks chunkMasks(const unsigned char* chunk) {
    ChunkMasks masks;
#if defined(__SSE2__)
    for (std::size_t part = 0; part < 4; ++part) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 16 * part));
        const __m128i separators =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(',')),
                                      _mm_cmpeq_epi8(v, _mm_set1_epi8('|'))),
                         _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\t')),
                                      _mm_cmpeq_epi8(v, _mm_set1_epi8('\n'))));
        // Lead bytes 0x81..0x9F and 0xE0..0xFC, compared as signed bytes.
        const __m128i low = _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8(-128)),
                                          _mm_cmplt_epi8(v, _mm_set1_epi8(-96)));
        const __m128i high = _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8(-33)),
                                           _mm_cmplt_epi8(v, _mm_set1_epi8(-3)));
        const std::size_t shift = 16 * part;
        masks.separators |= std::uint64_t(std::uint16_t(_mm_movemask_epi8(separators))) << shift;
        masks.leads |= std::uint64_t(std::uint16_t(_mm_movemask_epi8(_mm_or_si128(low, high))))
                       << shift;
    }
#else
    for (std::size_t i = 0; i < chunkBytes; ++i) {
        masks.separators |= std::uint64_t(byteKinds[chunk[i]] == Separator) << i;
        masks.leads |= std::uint64_t(byteKinds[chunk[i]] == LeadByte) << i;
    }
#endif
    return masks;
}

// The bytes taken as the second byte of a character: each lead byte takes the
// byte after it, unless it was itself taken. In a run of lead bytes they pair
// off from the run's start, so the bytes to find are those after an odd-length
// run. `carried` is 1 when the first byte is taken by the last byte of the
// chunk before, and becomes that for the next chunk.
std::uint64_t trailBytes(std::uint64_t leads, std::uint64_t& carried) {
    constexpr std::uint64_t evenBits = 0x5555555555555555ULL;
    leads &= ~carried;
    const std::uint64_t followsLead = leads << 1 | carried;
    const std::uint64_t oddStarts = leads & ~evenBits & ~followsLead;
    std::uint64_t evenStartRuns = 0;
    carried = __builtin_add_overflow(oddStarts, leads, &evenStartRuns) ? 1 : 0;
    const std::uint64_t invert = evenStartRuns << 1;
    return (evenBits ^ invert) & followsLead;
}

// Copies up to a few dozen bytes without a library call and without touching
// a byte outside either range.
inline void copySmall(char* to, const unsigned char* from, std::size_t count) {
    if (count >= 8) {
        if (count > 16) {
            std::memcpy(to, from, count);
            return;
        }
        std::uint64_t head, last;
        std::memcpy(&head, from, 8);
        std::memcpy(&last, from + count - 8, 8);
        std::memcpy(to, &head, 8);
        std::memcpy(to + count - 8, &last, 8);
    } else if (count >= 4) {
        std::uint32_t head, last;
        std::memcpy(&head, from, 4);
        std::memcpy(&last, from + count - 4, 4);
        std::memcpy(to, &head, 4);
        std::memcpy(to + count - 4, &last, 4);
    } else {
        for (std::size_t i = 0; i < count; ++i)
            to[i] = static_cast<char>(from[i]);
    }
}

} // namespace

std::vector<std::string_view> logLineFields(std::string_view line) {
    std::vector<std::string_view> fields;
    logLineFields(line, fields);
    return fields;
}

void logLineFields(std::string_view line, std::vector<std::string_view>& fields) {
    fields.clear();
    forEachField(line, [&](std::size_t start, std::size_t length) {
        fields.push_back(line.substr(start, length));
    });
}

char* writeLineFields(std::string_view line, char* out, std::size_t& lastFieldOffset,
                      std::size_t readableAfter) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(line.data());
    const std::size_t size = line.size();
    char* const begin = out;
    const char* lastField = nullptr;
    bool inField = false; // the previous chunk ended inside a field
    std::uint64_t carriedTrail = 0;
    alignas(16) unsigned char tail[chunkBytes];
    for (std::size_t base = 0; base < size; base += chunkBytes) {
        const std::size_t length = std::min(chunkBytes, size - base);
        const unsigned char* chunk = bytes + base;
        // Bytes after the line are masked off; they are copied only where
        // reading past the line would leave the caller's buffer.
        if (length < chunkBytes && length + readableAfter < chunkBytes) {
            std::memcpy(tail, chunk, length);
            std::memset(tail + length, 0, chunkBytes - length);
            chunk = tail;
        }
        const std::uint64_t inLine = length == chunkBytes ? ~0ULL : (1ULL << length) - 1;
        const ChunkMasks masks = chunkMasks(chunk);
        const std::uint64_t trails = trailBytes(masks.leads & inLine, carriedTrail);
        std::uint64_t fieldBytes = ~(masks.separators & ~trails) & inLine;
        while (fieldBytes != 0) {
            const int start = std::countr_zero(fieldBytes);
            const std::uint64_t fromStart = fieldBytes >> start;
            const int run = ~fromStart == 0 ? static_cast<int>(chunkBytes) - start
                                            : std::countr_zero(~fromStart);
            if (start != 0 || !inField)
                lastField = out;
            copySmall(out, chunk + start, static_cast<std::size_t>(run));
            out += run;
            inField = start + run == static_cast<int>(chunkBytes);
            fieldBytes = inField ? 0 : fieldBytes & (~0ULL << (start + run));
        }
        if ((masks.separators & ~trails & inLine) >> (chunkBytes - 1))
            inField = false;
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
