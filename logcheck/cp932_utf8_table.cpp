#include "cp932_utf8_table.h"

#include "common/cp932.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

namespace vermil {
namespace {

// One character's UTF-8 form: up to three bytes (CP932 maps into the BMP) and
// its length; length 0 marks a pair that is not one character.
struct Utf8Char {
    std::array<char, 3> bytes{};
    std::uint8_t length = 0;
};

Utf8Char fromConverted(const std::string& utf8, bool singleCharacterOnly) {
    Utf8Char character;
    if (utf8.empty() || utf8.size() > 3)
        return character;
    if (singleCharacterOnly) {
        // More than one character (two single bytes) or a replacement means the
        // pair is not one character.
        const auto lead = static_cast<unsigned char>(utf8[0]);
        const std::size_t expected = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : 3;
        if (expected != utf8.size() || utf8 == "\xEF\xBF\xBD")
            return character;
    }
    std::memcpy(character.bytes.data(), utf8.data(), utf8.size());
    character.length = static_cast<std::uint8_t>(utf8.size());
    return character;
}

// Built once from the C library's converter, so the table and cp932ToUtf8 agree
// byte for byte.
class DecodingTable {
public:
    DecodingTable() {
        for (int b = 0; b < 256; ++b) {
            const char single = static_cast<char>(b);
            singles_[b] = fromConverted(cp932ToUtf8(std::string_view(&single, 1)), false);
        }
        for (int lead = 0x80; lead < 256; ++lead) {
            for (int trail = 0; trail < 256; ++trail) {
                const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                pairs_[(lead - 0x80) * 256 + trail] =
                    fromConverted(cp932ToUtf8(std::string_view(pair, 2)), true);
            }
        }
    }

    const Utf8Char& single(unsigned char b) const { return singles_[b]; }
    const Utf8Char& pair(unsigned char lead, unsigned char trail) const {
        return pairs_[(lead - 0x80) * 256 + trail];
    }

private:
    std::array<Utf8Char, 256> singles_;
    std::array<Utf8Char, 128 * 256> pairs_;
};

const DecodingTable& decodingTable() {
    static const auto table = std::make_unique<DecodingTable>();
    return *table;
}

std::size_t asciiPrefixLength(const unsigned char* bytes, std::size_t size) {
    std::size_t pos = 0;
    for (; pos + 8 <= size; pos += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + pos, sizeof word);
        if (word & 0x8080808080808080ULL)
            break;
    }
    while (pos < size && bytes[pos] < 0x80)
        ++pos;
    return pos;
}

char* put(char* out, const Utf8Char& character) {
    std::memcpy(out, character.bytes.data(), character.bytes.size());
    return out + character.length;
}

bool isReplacement(const Utf8Char& character) {
    return character.length == 3 && std::memcmp(character.bytes.data(), "\xEF\xBF\xBD", 3) == 0;
}

constexpr char hexDigits[] = "0123456789abcdef";

char* putJsonAscii(char* out, unsigned char b) {
    switch (b) {
    case '"':
        *out++ = '\\';
        *out++ = '"';
        return out;
    case '\\':
        *out++ = '\\';
        *out++ = '\\';
        return out;
    case '\n':
        *out++ = '\\';
        *out++ = 'n';
        return out;
    case '\r':
        *out++ = '\\';
        *out++ = 'r';
        return out;
    case '\t':
        *out++ = '\\';
        *out++ = 't';
        return out;
    default:
        break;
    }
    if (b < 0x20) {
        std::memcpy(out, "\\u00", 4);
        out[4] = hexDigits[b >> 4];
        out[5] = hexDigits[b & 0xF];
        return out + 6;
    }
    *out++ = static_cast<char>(b);
    return out;
}

} // namespace

char* writeCp932AsUtf8(char* out, std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    if (size == 0)
        return out;
    std::size_t pos = asciiPrefixLength(bytes, size);
    std::memcpy(out, text.data(), pos);
    out += pos;
    if (pos == size)
        return out;
    const DecodingTable& table = decodingTable();
    while (pos < size) {
        const unsigned char b = bytes[pos];
        if (b < 0x80) {
            const std::size_t run = asciiPrefixLength(bytes + pos, size - pos);
            std::memcpy(out, text.data() + pos, run);
            out += run;
            pos += run;
            continue;
        }
        if (pos + 1 < size) {
            const Utf8Char& pair = table.pair(b, bytes[pos + 1]);
            if (pair.length != 0) {
                out = put(out, pair);
                pos += 2;
                continue;
            }
        }
        out = put(out, table.single(b));
        ++pos;
    }
    return out;
}

char* writeCp932AsJsonString(char* out, std::string_view text, bool& invalid) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    const DecodingTable& table = decodingTable();
    std::size_t pos = 0;
    while (pos < size) {
        const unsigned char b = bytes[pos];
        if (b < 0x80) {
            out = putJsonAscii(out, b);
            ++pos;
            continue;
        }
        if (pos + 1 < size) {
            const Utf8Char& pair = table.pair(b, bytes[pos + 1]);
            if (pair.length != 0) {
                out = put(out, pair);
                pos += 2;
                continue;
            }
        }
        const Utf8Char& single = table.single(b);
        if (isReplacement(single)) {
            // The JSON text \\x82: a backslash, then x and the byte in hex.
            std::memcpy(out, "\\\\x", 3);
            out[3] = hexDigits[b >> 4];
            out[4] = hexDigits[b & 0xF];
            out += 5;
            invalid = true;
        } else {
            out = put(out, single);
        }
        ++pos;
    }
    return out;
}

void appendCp932AsUtf8(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    out.resize(start + maxUtf8BytesPerCp932Byte * text.size());
    char* end = writeCp932AsUtf8(out.data() + start, text);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

} // namespace vermil
