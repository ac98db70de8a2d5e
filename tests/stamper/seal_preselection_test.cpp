#include "stamper/sealdialog/seal_preselection.h"

#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

using vermil::preselectedSeal;
using vermil::test::sjis;

TEST(SealPreselection, ExactThenCaseThenPrefixInListOrder) {
    struct Case {
        const char* what;
        std::vector<std::string> names;
        std::string lastSeal;
        std::optional<std::size_t> row;
    } const cases[] = {
        {"exact entry after a longer one",
         {sjis("経理部長代理"), sjis("経理部長")},
         sjis("経理部長"),
         1},
        {"case variant before a longer one", {"abcd", "ABC"}, "abc", 1},
        {"exact beats a case variant before it", {"ABC", "abc"}, "abc", 1},
        {"the first case variant", {"x", "Abc", "aBC"}, "abc", 1},
        {"prefix, letter case aside", {"other", "ABCDEF", "abcxyz"}, "abc", 1},
        {"prefix of a Japanese name", {sjis("総務"), sjis("経理部長代理")}, sjis("経理部"), 1},
        {"no match", {"abc"}, "abd", std::nullopt},
        {"empty name selects nothing", {"", "abc"}, "", std::nullopt},
        // ア is 0x83 0x41 and ヂ 0x83 0x61: a trail byte is no letter to fold.
        {"trail bytes are not letters", {sjis("ヂ")}, sjis("ア"), std::nullopt},
        {"longer remembered name", {"ab"}, "abc", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(preselectedSeal(c.names, c.lastSeal), c.row) << c.what;
}
