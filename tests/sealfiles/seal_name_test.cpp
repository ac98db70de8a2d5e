#include "sealfiles/seal_name.h"

#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::sjis;

TEST(SealName, AcceptsNamesWhoseDoubleByteCharactersEndInSeparatorBytes) {
    const std::string safe[] = {
        "abc",
        sjis("表"),           // 0x95 0x5C: second byte is "\"
        sjis("ポスト"),       // 0x83 0x7C: second byte is "|"
        sjis("経理部　山田"), // full-width space inside
        sjis("ソ"),           // 0x83 0x5C
        "a.b",
        "...x",
        "CONSOLE", // only the device names themselves are taken
        "COM10",
        "NULL",
        "aux1",
        "LPT",
        std::string(maxSealNameBytes, 'n'),
        sjis("あいうえおかきくけこさしすせそたちつてとなにぬね"), // 24 characters, 48 bytes
    };
    for (const auto& name : safe)
        EXPECT_FALSE(sealNameProblem(name).has_value()) << name;
}

TEST(SealName, RefusesNamesThatLeaveTheFolderOrBreakTheIndex) {
    const std::string unsafe[] = {
        "",
        ".",
        "..",
        "../x",
        "a/b",
        "a\\b",
        "a[b",
        "a]b",
        "c:x",
        "a*",
        "a?",
        "a\"b",
        "a<b",
        "a>b",
        "a|b",
        "a\nb",
        "a\rb",
        std::string("a\0b", 3),
        "a\tb",
        " lead",
        "trail ",
        std::string(maxSealNameBytes + 1, 'n'),
        sjis("あいうえおかきくけこさしすせそたちつてとなにぬねの"), // 50 bytes
        "\x95", // a lead byte without its second byte
        sjis("表") + "/",
        // Windows opens a device for these, with any extension.
        "CON",
        "con",
        "Nul.txt",
        "AUX",
        "PRN",
        "com1",
        "LPT9.vrm",
        "CON .x",
    };
    for (const auto& name : unsafe)
        EXPECT_TRUE(sealNameProblem(name).has_value()) << name;
}

TEST(SealName, TheMessageNamesTheName) {
    const auto problem = sealNameProblem(sjis("総務/山田"));
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->contains(QStringLiteral("総務/山田")));
    EXPECT_TRUE(problem->contains(QStringLiteral("\"/\"")));
    // A control character is shown, not written into the message.
    const auto withLineFeed = sealNameProblem("ab\ncd");
    ASSERT_TRUE(withLineFeed.has_value());
    EXPECT_TRUE(withLineFeed->contains(QStringLiteral("ab\\x0acd")));
    EXPECT_FALSE(withLineFeed->contains(QLatin1Char('\n')));
    EXPECT_EQ(sealNameProblem("NUL"),
              QStringLiteral("日付印名 NUL はWindowsのデバイス名のためファイル名に使えません。"));
}
