#include "common/keyed_hash.h"

#include <gtest/gtest.h>

#include <random>

using namespace vermil;

TEST(KeyedHash, LetterPairExampleRoundTrips) {
    EXPECT_EQ(encodePairs("abc"), "GBGBGHNDNFNH");
    EXPECT_EQ(decodePairs("GBGBGHNDNFNH"), "abc");
    const std::string sjisPassword = "\x83\x41\x83\x7C\x95\x5C";
    EXPECT_EQ(decodePairs(encodePairs(sjisPassword)), sjisPassword);
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

TEST(KeyedHash, ShortTextLeavesPartOfTheKeyVisible) {
    // t = 'Y' (89): r1 = W('Q' + 89) = 96 -> C gives 'V'; r3 = W('A' + 89) = 80 'P';
    // r4..r7 are the shifted key bytes V E R L.
    EXPECT_EQ(hash8("Z", "QUAVERLY"), "ZVUPVERL");
}
