#include "manager/import/csv_lines.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vermil;

namespace {
std::vector<CsvLine> readAll(const std::string& bytes) {
    std::istringstream in(bytes);
    CsvLineReader reader(in);
    std::vector<CsvLine> lines;
    CsvLine line;
    while (reader.next(line))
        lines.push_back(line);
    return lines;
}
} // namespace

TEST(CsvLines, SplitsLikeRunsOfSeparators) {
    using Fields = std::vector<std::string>;
    struct Case {
        std::string line;
        Fields fields;
    } cases[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"a\tb,c", {"a", "b", "c"}},
        {",a,b,", {"a", "b"}},          // separators at the ends are ignored
        {"a,\tb", {"a", "b"}},          // a run counts as one
        {"a, b ,c", {"a", " b ", "c"}}, // blanks are kept
        {"\x95\x5C,\x83\x7C", {"\x95\x5C", "\x83\x7C"}},
        {"", {}},
        {",,,", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitCsvFields(c.line), c.fields) << c.line;
}

TEST(CsvLines, CountsRowsWithTheirLineBreak) {
    const auto lines = readAll("0123456789\n012345678\r\nlast12345\n0123456789");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[0].isRow()); // ten bytes and a line feed
    EXPECT_EQ(lines[1].text, "012345678");
    EXPECT_FALSE(lines[1].isRow()); // CR LF counts as one byte
    EXPECT_FALSE(lines[2].isRow());
    EXPECT_EQ(lines[2].number, 3u);
    EXPECT_FALSE(lines[3].isRow()); // the last line has no line break to count
    EXPECT_FALSE(lines[3].hasLineBreak);
    EXPECT_TRUE(readAll("01234567890").front().isRow());
    EXPECT_TRUE(readAll("").empty());
    EXPECT_EQ(readAll("\n\n").size(), 2u);
}

TEST(CsvLines, LongLinesAreMeasuredNotHeld) {
    const std::string limit(maxCsvLineBytes, 'x');
    const auto lines = readAll(limit + "\r\n" + limit + "y\r\n" + std::string(100000, 'z'));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_FALSE(lines[0].isTooLong());
    EXPECT_EQ(lines[0].text, limit);
    EXPECT_TRUE(lines[1].isTooLong());
    EXPECT_EQ(lines[1].length, maxCsvLineBytes + 1);
    EXPECT_EQ(lines[2].length, 100000u);
    EXPECT_LE(lines[2].text.size(), maxCsvLineBytes + 1);
}
