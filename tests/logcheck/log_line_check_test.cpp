#include "logcheck/log_line_check.h"

#include "common/keyed_hash.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

using namespace vermil;
using vermil::test::dataFile;
using vermil::test::sjis;

namespace {

std::string textOfVerdict(const LineVerdict& verdict) {
    return std::string(verdict.code.data(), verdict.code.size()) + (verdict.ok ? " OK" : " NG");
}

std::string fromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

// The line the stamping program writes for its sample entry, without its line
// end (tests/contract proves the writer makes exactly this line).
std::string sampleLine(char separator = '|') {
    std::string line;
    for (const std::string& field :
         {std::string("A-001"), std::string("2012/03/07"), std::string("09:05"), sjis("山田"),
          sjis("総務部"), sjis("確認済み"), std::string("yamada"), std::string("PC01"),
          std::string("1UWYZGLZ")})
        line += field + separator;
    return line;
}

} // namespace

// The codes come from tests/data/logcheck/logcodes.py; the texts cover every
// length up to 40 and random longer ones, so every path of the hash is met.
TEST(LogLineCheck, CheckCodesAgreeWithAnIndependentImplementation) {
    std::ifstream in(dataFile("logcheck/RandomCodes.txt"));
    std::string row;
    int compared = 0;
    while (std::getline(in, row)) {
        if (row.empty() || row[0] == '#')
            continue;
        std::istringstream fields(row);
        std::string hex, code;
        fields >> hex >> code;
        if (code.empty()) { // an empty text has no hex column
            code = hex;
            hex.clear();
        }
        EXPECT_EQ(hash8(fromHex(hex), hashkeys::logLineCode), code) << hex;
        ++compared;
    }
    EXPECT_EQ(compared, 100);
}

TEST(LogLineCheck, CodesOfManyLinesAtOnceEqualCodesOneByOne) {
    // Groups of every size around the sixteen lanes, texts of every length
    // around the steps of sixteen, and a key the lanes cannot hold.
    std::mt19937 random(23);
    std::uniform_int_distribution<int> byte(0, 255), count(0, 40), length(0, 80);
    for (std::string_view key : {hashkeys::logLineCode, std::string_view("\xF0\x80zzzzzz")}) {
        for (int round = 0; round < 300; ++round) {
            std::vector<std::string> texts(static_cast<std::size_t>(count(random)));
            for (std::string& text : texts) {
                text.resize(static_cast<std::size_t>(round % 10 == 0 ? 4 * length(random)
                                                                     : length(random)));
                for (char& c : text)
                    c = static_cast<char>(byte(random));
            }
            const std::vector<std::string_view> views(texts.begin(), texts.end());
            std::vector<std::array<char, 8>> codes(views.size());
            hash8Many(views, key, codes);
            for (std::size_t i = 0; i < views.size(); ++i)
                ASSERT_EQ(std::string(codes[i].data(), 8), hash8(views[i], key)) << round << i;
        }
    }
}

TEST(LogLineCheck, FieldsSplitOnCharactersNotBytes) {
    using Fields = std::vector<std::string_view>;
    EXPECT_EQ(logLineFields("a|b,c\td"), (Fields{"a", "b", "c", "d"}));
    EXPECT_EQ(logLineFields("||a,,|b|"), (Fields{"a", "b"}));
    EXPECT_EQ(logLineFields(""), Fields{});
    EXPECT_EQ(logLineFields("|,\t|"), Fields{});
    // ポ and − end in 0x7C, 表 and ソ in 0x5C: one character each, never a split.
    const std::string po = sjis("ポ−"), hyou = sjis("表ソ");
    EXPECT_EQ(logLineFields(po + "|" + hyou), (Fields{po, hyou}));
    // A lead byte at the very end stands alone.
    EXPECT_EQ(logLineFields("a|\x83"), (Fields{"a", "\x83"}));
}

TEST(LogLineCheck, JoiningFieldsAgreesWithSplittingThem) {
    // Bytes that matter to the splitter, over lines long enough to span
    // several 64-byte chunks, so runs of lead bytes cross chunk edges.
    const unsigned char alphabet[] = {',',  '|',  '\t', '\n', 'a',  '0',  0x40, 0x7C, 0x80,
                                      0x81, 0x83, 0x9F, 0xA0, 0xDF, 0xE0, 0xFC, 0xFD, 0xFF};
    std::mt19937 random(17);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 1), length(0, 300);
    for (int round = 0; round < 20000; ++round) {
        std::string line(length(random), '\0');
        const bool leadRuns = round % 3 == 0; // long runs of lead bytes
        for (char& c : line)
            c = static_cast<char>(leadRuns && pick(random) < 12 ? 0x81 : alphabet[pick(random)]);
        const auto fields = logLineFields(line);
        std::string expected;
        std::size_t expectedLast = std::string::npos;
        for (std::string_view field : fields) {
            expectedLast = expected.size();
            expected += field;
        }
        std::string joined = "prefix";
        const std::size_t last = appendLineFields(line, joined);
        ASSERT_EQ(joined, "prefix" + expected) << round;
        ASSERT_EQ(last, expectedLast == std::string::npos ? expectedLast : 6 + expectedLast)
            << round;
    }
}

TEST(LogLineCheck, Verdicts) {
    const std::string good = sampleLine();
    const std::string code = "1UWYZGLZ";
    ASSERT_EQ(good.substr(good.size() - 9), code + "|");

    std::string fieldChanged = good;
    fieldChanged.replace(0, 1, "B");
    std::string codeChanged = good;
    codeChanged[codeChanged.size() - 2] = 'Y';
    std::string lowerCase = good;
    for (std::size_t i = good.size() - 9; i < good.size(); ++i)
        lowerCase[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(lowerCase[i])));
    std::string mixed = good;
    mixed[5] = ',';
    mixed[mixed.size() - 1] = '\t';

    struct Case {
        const char* what;
        std::string line;
        std::string verdict;
    } const cases[] = {
        {"unaltered", good, code + " OK"},
        {"comma separators", sampleLine(','), code + " OK"},
        {"separators mixed", mixed, code + " OK"},
        {"empty fields added", "||" + good + "||", code + " OK"},
        {"field changed", fieldChanged, "1VW5BPV5 NG"},
        {"code changed", codeChanged, code + " NG"},
        {"lower-case code", lowerCase, code + " NG"},
        {"one field: the code of nothing", "QUAVERLY|", "QUAVERLY OK"},
        {"one other field", "ABCDEFGH", "QUAVERLY NG"},
        {"empty line", "", "QUAVERLY NG"},
        {"separators only", "|,\t||", "QUAVERLY NG"},
    };
    LogLineChecker checker;
    for (const auto& c : cases)
        EXPECT_EQ(textOfVerdict(checker.check(c.line)), c.verdict) << c.what;
}
