#include "common/tag_text.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::TempDir;
using vermil::test::writeFile;

TEST(TagText, FirstOccurrenceRules) {
    struct Case {
        std::string text, name, expected;
    } cases[] = {
        {"<Up1>A</Up1><Up2>B</Up2>", "Up2", "B"},
        {"<Up1>A</Up1><Up2>B</Up2>", "Up3", ""},
        {"</X>1<X>2", "X", ""},             // closing tag first
        {"<A><A>x</A></A>", "A", "<A>x"},   // no nesting of equal names
        {"<SizeUp>9</SizeUp>", "Size", ""}, // the whole tag is matched
        {"<Size a>9</Size>", "Size", ""},   // attributes are not read
        {"<X>a\r\nb</X>", "X", "a\r\nb"},   // value unchanged, line breaks kept
        {"<X> v </X><X>w</X>", "X", " v "},
        {"<x>1</x>", "X", ""}, // case-sensitive
        {"", "X", ""},
        {"<X>1", "X", ""},
        // A tag never starts inside a double-byte character: the lead byte 0x81
        // takes the first '<' as its second byte.
        {"\x81<A><A>v</A>", "A", "v"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tagText(c.text, c.name), c.expected) << c.text;
}

TEST(TagText, SealLookupsApplyTheirDefaults) {
    const std::string seal = "<Shape><Size><X>21</X><Y></Y></Size></Shape>"
                             "<Date><Format></Format></Date>";
    EXPECT_EQ(readSizeX(seal), "21");
    EXPECT_EQ(readSizeY(seal), "19");
    EXPECT_EQ(readDateFormat(seal), "YYYY.MM.DD");
    EXPECT_EQ(readSizeX("<Vermil></Vermil>"), "19");
    EXPECT_EQ(readDateFormat("<Date><Format>NN.0M.0D</Format></Date>"), "NN.0M.0D");
}

TEST(TagText, LoadJoinsLinesWithoutBreaks) {
    TempDir dir;
    writeFile(dir / "p.xml", "<Profile>\r\n  <Up1><X>5\r\n0</X></Up1>\n</Profile>");
    EXPECT_EQ(loadTagFile(dir / "p.xml").value(), "<Profile>  <Up1><X>50</X></Up1></Profile>");
    // A lone CR inside a line is kept; only the one before the line feed goes.
    writeFile(dir / "cr.txt", "a\rb\r\n");
    EXPECT_EQ(loadTagFile(dir / "cr.txt").value(), "a\rb");
    EXPECT_FALSE(loadTagFile(dir / "missing.xml").has_value());
}

TEST(TagText, LoadStopsAtTheLineAndByteLimits) {
    TempDir dir;
    std::string lines(maxTagFileLines, '\n');
    writeFile(dir / "after.txt", lines + "X\n");
    EXPECT_EQ(loadTagFile(dir / "after.txt").value(), "");
    lines.pop_back();
    writeFile(dir / "last.txt", lines + "X\n");
    EXPECT_EQ(loadTagFile(dir / "last.txt").value(), "X");

    writeFile(dir / "long.txt", std::string(5000, 'a'));
    EXPECT_EQ(loadTagFile(dir / "long.txt").value(), std::string(maxTagFileBytes, 'a'));
    // A CR LF right at the limit does not leave a stray CR behind.
    writeFile(dir / "edge.txt", std::string(maxTagFileBytes, 'b') + "\r\nmore");
    EXPECT_EQ(loadTagFile(dir / "edge.txt").value(), std::string(maxTagFileBytes, 'b'));
}
