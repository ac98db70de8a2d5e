#include "common/cp932.h"

#include <gtest/gtest.h>

using namespace vermil;

TEST(Cp932, ConvertsBothWaysAndRefusesCharactersWithoutAForm) {
    const std::string sjis = "\x95\x5C\x83\x7C";
    EXPECT_EQ(cp932ToUtf8(sjis), "表ポ");
    EXPECT_EQ(utf8ToCp932("表ポ").value(), sjis);
    EXPECT_EQ(utf8ToCp932("plain").value(), "plain");
    EXPECT_FALSE(utf8ToCp932("emoji \xF0\x9F\x98\x80").has_value());
    EXPECT_FALSE(toCp932(QStringLiteral("한국어")).has_value());
    EXPECT_EQ(fromCp932(sjis), QStringLiteral("表ポ"));
}

TEST(Cp932, SearchesNeverStartInsideADoubleByteCharacter) {
    // The second byte of 表 is a backslash, of ポ a pipe.
    const std::string text = "\x95\x5C|\x83\x7C/";
    EXPECT_EQ(cp932FindChar(text, '\\'), std::string::npos);
    EXPECT_EQ(cp932FindChar(text, '|'), 2u);
    EXPECT_EQ(cp932FindLastChar(text, '|'), 2u);
    EXPECT_EQ(cp932Find(text, "/"), 5u);
}
