#include "common/keyed_hash.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace vermil;

TEST(KeyedHash, LetterPairExampleRoundTrips) {
    EXPECT_EQ(encodePairs("abc"), "GBGBGHNDNFNH");
    EXPECT_EQ(decodePairs("GBGBGHNDNFNH"), "abc");
    const std::string sjisPassword = "\x83\x41\x83\x7C\x95\x5C";
    EXPECT_EQ(decodePairs(encodePairs(sjisPassword)), sjisPassword);
}

TEST(KeyedHash, LetterPairsOfLongPasswordsRoundTrip) {
    // The length prefix grows past three digits at 1000 bytes; a password that
    // starts with digits must not be read as part of it.
    for (const std::size_t length : {999u, 1000u, 1001u, 12345u}) {
        for (const char first : {'P', '7'}) {
            const std::string password = first + std::string(length - 1, '0');
            EXPECT_EQ(decodePairs(encodePairs(password)), password) << length << first;
        }
    }
}

TEST(KeyedHash, LetterPairDecodingOfBadCharacters) {
    // A bad first character counts as 255 in the high nibble, a bad or missing
    // second character makes the byte 255; the length prefix is not checked.
    EXPECT_EQ(decodePairs("GBGBGH?B"), "\xF0");
    EXPECT_EQ(decodePairs("GBGBGHA?"), "\xFF");
    EXPECT_EQ(decodePairs("GBGBGHN"), "\xFF");
    EXPECT_EQ(decodePairs("GBGB"), "");
    EXPECT_EQ(decodePairs(""), "");
}

TEST(KeyedHash, EmptyTextGivesTheKey) {
    EXPECT_EQ(hash6("", "VRMMGR"), "VRMMGR");
    EXPECT_EQ(hash6("", "VRM77G"), "VRM77G");
    EXPECT_EQ(hash8("", "MIRTHFUL"), "MJRTHFUL"); // I is never an output character
    EXPECT_EQ(hash8("", "QUAVERLY"), "QUAVERLY");
}

TEST(KeyedHash, Hash6WorkedExample) {
    // Register V R M M G R; one byte 'a' (97) with t = 'R' (82):
    // r1 = W(86 + 82) = 94, r3 = W(77 + 82) = 85, r0 = 97.
    EXPECT_EQ(hash6("a", "VRMMGR"), std::string("a^RUMG"));
}

TEST(KeyedHash, HighBytesAreFoldedBeforeEnteringTheRegister) {
    struct Case {
        unsigned char byte;
        char expectedFirst;
    } cases[] = {{122, 'z'}, {123, '1'}, {130, '8'}, {196, 'z'}, {197, '1'}, {255, 'k'}};
    for (const auto& c : cases) {
        const std::string text(1, static_cast<char>(c.byte));
        EXPECT_EQ(hash6(text, "VRMMGR")[0], c.expectedFirst) << int(c.byte);
    }
    // Spaces and lower-case letters enter unchanged and appear in the code.
    EXPECT_EQ(hash6(" ", "VRMMGR")[0], ' ');
}

TEST(KeyedHash, Hash8UsesOnlyDigitsAndCapitalsWithoutZeroIAndO) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(1, 255), length(0, 40);
    for (int round = 0; round < 2000; ++round) {
        std::string text(static_cast<std::size_t>(length(random)), '\0');
        for (char& c : text)
            c = static_cast<char>(byte(random));
        for (char c : hash8(text, "QUAVERLY")) {
            EXPECT_TRUE((c >= '1' && c <= '9') || (c >= 'A' && c <= 'Z')) << text;
            EXPECT_NE(c, 'I');
            EXPECT_NE(c, 'O');
        }
    }
}

namespace {
// The register as the algorithm describes it, one shift per byte: the fast
// routines must give the same codes for every length, key and byte.
template <std::size_t N>
std::vector<int> referenceRegister(const std::string& text, const std::string& key) {
    std::vector<int> r(N);
    for (std::size_t i = 0; i < N; ++i)
        r[i] = i < key.size() ? static_cast<signed char>(key[i]) : 0; // a short key reads as zeros
    const auto wrap = [](int x) {
        while (x > 122)
            x -= 74;
        return x;
    };
    for (unsigned char c : text) {
        const int t = r[N - 1];
        for (std::size_t i = N - 1; i > 0; --i)
            r[i] = r[i - 1];
        r[3] = wrap(r[3] + t);
        r[1] = wrap(r[1] + t);
        r[0] = c <= 122 ? c : ((c - 123) % 74) + 49;
    }
    return r;
}

int referenceOutput(int v) {
    if (v < 49)
        v += 49;
    if (v >= 58 && v <= 64)
        v += 7;
    if (v > 90)
        v = ((v - 91) % 5) + 86;
    return v == 73 ? 74 : v == 79 ? 77 : v;
}
} // namespace

TEST(KeyedHash, EqualsTheOneShiftPerByteRegister) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> byte(0, 255), length(0, 70);
    const std::string keys[] = {"VRMMGR", "VRM77G", "MIRTHFUL", "QUAVERLY",
                                "\x81\xFF~ zz!\x80\x7F"};
    for (int round = 0; round < 3000; ++round) {
        std::string text(static_cast<std::size_t>(length(random)), '\0');
        for (char& c : text)
            c = static_cast<char>(byte(random));
        for (const std::string& key : keys) {
            const auto r6 = referenceRegister<6>(text, key);
            std::string code6;
            for (int v : r6)
                code6 += static_cast<char>(v & 0xFF);
            ASSERT_EQ(hash6(text, key), code6) << "length " << text.size();
            const auto r8 = referenceRegister<8>(text, key);
            std::string code8;
            for (int v : r8)
                code8 += static_cast<char>(referenceOutput(v) & 0xFF);
            ASSERT_EQ(hash8(text, key), code8) << "length " << text.size();
        }
    }
}

TEST(KeyedHash, ShortTextLeavesPartOfTheKeyVisible) {
    // t = 'Y' (89): r1 = W('Q' + 89) = 96 -> C gives 'V'; r3 = W('A' + 89) = 80 'P';
    // r4..r7 are the shifted key bytes V E R L.
    EXPECT_EQ(hash8("Z", "QUAVERLY"), "ZVUPVERL");
}
