#include "stamper/document/native_data.h"
#include "stamper/document/stamp_tags.h"
#include "stamper/document/stamp_type_code.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace vermil;
using vermil::test::dataFile;
using vermil::test::readFile;
using vermil::test::sjis;

namespace {

std::string le32(std::uint32_t value) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((value >> shift) & 0xFF);
    return bytes;
}

std::string shortText(std::string_view text) {
    return std::string(1, static_cast<char>(text.size())) + std::string(text);
}

// Thirteen items with every text given as its stored bytes (prefix included).
std::string items(const std::string& approver, const std::string& fonts = shortText(""),
                  const std::string& information = shortText(""), std::int32_t code = 10) {
    return approver + std::string(7, '\0') + le32(static_cast<std::uint32_t>(code)) +
           shortText("") + fonts + information + shortText("");
}

StampRecord fullStamp() {
    StampRecord s;
    s.approverName = sjis("山田太郎");
    s.section = sjis("経理部");
    s.approvalDate = sjis("2012年3月7日(水) 9時5分");
    s.comment = sjis("一行目\r\n二行目");
    s.documentNumber = "A-0042";
    s.sealFileText = sjis("<Up1>経理部</Up1><Hash>ABCD2345</Hash>");
    s.sealText = sjis("<Up1>経理部</Up1><Shape><Size><X>18</X><Y>21</Y></Size></Shape>");
    s.shape = 2;
    s.computerName = "KEIRI-PC01";
    s.windowsUser = "yamada";
    s.drawing.upperText1 = sjis("経理部");
    s.drawing.upperText2 = sjis("本社");
    s.drawing.sealDateText = "'12. 3. 7";
    s.drawing.lowerText = sjis("山田");
    s.drawing.fontUp = {sjis("ＭＳ 明朝"), "12", "1"};
    s.drawing.fontUp2 = {"Arial", "8", "0"};
    s.drawing.fontDate = {"Courier", "9", "1"};
    s.drawing.fontLow = {sjis("ＭＳ ゴシック"), "14", "0"};
    s.drawing.colour = 0x123456;
    s.drawing.penWidth = 7;
    s.drawing.profileText = "<Circle>1</Circle>";
    return s;
}

void expectSameFont(const SealLineFont& a, const SealLineFont& b, const char* line) {
    EXPECT_EQ(a.name, b.name) << line;
    EXPECT_EQ(a.size, b.size) << line;
    EXPECT_EQ(a.bold, b.bold) << line;
}

} // namespace

TEST(NativeData, WrittenStampReadsBackFieldForField) {
    StampRecord written = fullStamp();
    const std::string bytes = writeNativeData(written);

    const StampRecord read = readNativeData(bytes);
    EXPECT_EQ(read.approverName, written.approverName);
    EXPECT_EQ(read.section, written.section);
    EXPECT_EQ(read.approvalDate, written.approvalDate);
    EXPECT_EQ(read.comment, written.comment);
    EXPECT_EQ(read.documentNumber, written.documentNumber);
    EXPECT_EQ(read.sealFileText, written.sealFileText);
    EXPECT_EQ(read.shape, 2);
    EXPECT_EQ(read.stampTypeCode, 20);
    EXPECT_EQ(read.computerName, "KEIRI-PC01");
    EXPECT_EQ(read.windowsUser, "yamada");
    EXPECT_EQ(read.recordedVersion, "Ver5.6.4");
    EXPECT_EQ(read.sizeX, "18");
    EXPECT_EQ(read.sizeY, "21");
    EXPECT_EQ(read.drawing.upperText1, written.drawing.upperText1);
    EXPECT_EQ(read.drawing.upperText2, written.drawing.upperText2);
    EXPECT_EQ(read.drawing.sealDateText, written.drawing.sealDateText);
    EXPECT_EQ(read.drawing.lowerText, written.drawing.lowerText);
    expectSameFont(read.drawing.fontUp, written.drawing.fontUp, "Up");
    expectSameFont(read.drawing.fontUp2, written.drawing.fontUp2, "Up2");
    expectSameFont(read.drawing.fontDate, written.drawing.fontDate, "Date");
    expectSameFont(read.drawing.fontLow, written.drawing.fontLow, "Low");
    EXPECT_EQ(read.drawing.colour, 0x123456u);
    EXPECT_EQ(read.drawing.penWidth, 7);
    EXPECT_EQ(read.drawing.profileText, "<Circle>1</Circle>");
    EXPECT_EQ(read.upperTextsTagged, written.upperTextsTagged);
    EXPECT_EQ(read.fontText, written.fontText);
    EXPECT_EQ(read.informationText, written.informationText);
    EXPECT_EQ(read.sealText, written.sealText);

    StampRecord again = read;
    EXPECT_EQ(writeNativeData(again), bytes);
}

TEST(NativeData, WriterLaysOutTheThirteenItemsExactly) {
    StampRecord s;
    s.approverName = "N";
    s.section = "S";
    s.approvalDate = "D";
    s.comment = "C";
    s.documentNumber = "No";
    s.sealFileText = "F";
    s.sealText = "<Up1>u</Up1>";
    s.shape = 1;
    s.computerName = "pc";
    s.windowsUser = "me";
    s.drawing.upperText1 = "u";
    s.drawing.upperText2 = "v";
    s.drawing.sealDateText = "12.3.7";
    s.drawing.lowerText = "L";
    s.drawing.fontUp = {"F1", "11", "1"};
    s.drawing.colour = 77055;
    s.drawing.penWidth = 4;
    s.drawing.profileText = "P";

    const std::string fonts = "<BoldUp>1</BoldUp><BoldUp2></BoldUp2><BoldDate></BoldDate>"
                              "<BoldLow></BoldLow><FontUp>F1</FontUp><FontUp2></FontUp2>"
                              "<FontDate></FontDate><FontLow></FontLow><SizeUp>11</SizeUp>"
                              "<SizeUp2></SizeUp2><SizeDate></SizeDate><SizeLow></SizeLow>"
                              "<PenWidth>4</PenWidth>";
    const std::string information = "<ComputerName>pc</ComputerName><WinUserID>me</WinUserID>"
                                    "<Version>Ver5.6.4</Version><Color>77055</Color><Up1>u</Up1>";
    const std::string expected =
        shortText("N") + shortText("S") + shortText("D") + shortText("C") + shortText("L") +
        shortText("<Up1><Text>u</Text></Up1><Up2><Text>v</Text></Up2>") + shortText("12.3.7") +
        shortText("No") + std::string("\0\0\0\0", 4) + shortText("F") + "\xFF" +
        std::string(1, static_cast<char>(fonts.size() & 0xFF)) +
        std::string(1, static_cast<char>(fonts.size() >> 8)) + fonts + shortText(information) +
        shortText("P");
    ASSERT_GE(fonts.size(), 255u);
    EXPECT_EQ(writeNativeData(s), expected);
    EXPECT_EQ(s.storedProfileText, "P");
    EXPECT_EQ(s.stampTypeCode, 0);
}

TEST(NativeData, LengthPrefixFormsAtTheirBoundaries) {
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, std::string("\x00", 1)},
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {65533, "\xFF\xFD\xFF"},
        {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {70000, "\xFF\xFF\xFF" + le32(70000)},
    };
    for (const auto& c : cases) {
        StampRecord s;
        s.approverName = std::string(c.length, 'n');
        const std::string bytes = writeNativeData(s);
        EXPECT_EQ(bytes.substr(0, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(bytes.substr(c.prefix.size(), c.length), s.approverName) << c.length;
        EXPECT_EQ(readNativeData(bytes).approverName, s.approverName) << c.length;
    }
}

TEST(NativeData, HandMadePrefixFormsAreRead) {
    struct Case {
        const char* form;
        std::string stored;
        std::string text;
    };
    const std::string longText(66000, 'x');
    const Case cases[] = {
        {"short", shortText(sjis("山田")), sjis("山田")},
        {"16-bit", std::string("\xFF\x03\x00", 3) + "abc", "abc"},
        {"32-bit", "\xFF\xFF\xFF" + le32(66000) + longText, longText},
        {"32-bit short text", "\xFF\xFF\xFF" + le32(2) + "ab", "ab"},
        {"wide", std::string("\xFF\xFE\xFF\x03", 4) + std::string("\x71\x5C\x30\x75\x42\x00", 6),
         sjis("山田B")},
        {"wide 16-bit", std::string("\xFF\xFE\xFF\xFF\x01\x00", 6) + std::string("A\0", 2), "A"},
        {"wide 32-bit",
         std::string("\xFF\xFE\xFF\xFF\xFF\xFF", 6) + le32(1) + std::string("\x65\xFF", 2),
         sjis("･")},
        {"empty wide", std::string("\xFF\xFE\xFF\x00", 4), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readNativeData(items(c.stored)).approverName, c.text) << c.form;
}

TEST(NativeData, FixturesFromAnotherWriter) {
    const StampRecord stamp = readNativeData(readFile(dataFile("stamper/SealStamp.bin")));
    EXPECT_EQ(stamp.approverName, sjis("山田太郎"));
    EXPECT_EQ(stamp.section, sjis("経理部"));
    EXPECT_EQ(stamp.approvalDate, sjis("2012年3月7日(水) 9時5分"));
    EXPECT_EQ(stamp.comment, sjis("至急\r\n確認済み"));
    EXPECT_EQ(stamp.documentNumber, "A-2012-0042");
    EXPECT_EQ(stamp.drawing.lowerText, sjis("山田"));
    EXPECT_EQ(stamp.drawing.upperText1, sjis("経理部"));
    EXPECT_EQ(stamp.drawing.upperText2, sjis("本社"));
    EXPECT_EQ(stamp.drawing.sealDateText, "'12. 3. 7");
    EXPECT_EQ(stamp.shape, 0);
    EXPECT_EQ(stamp.drawing.colour, 128u);
    EXPECT_EQ(stamp.drawing.penWidth, 3);
    expectSameFont(stamp.drawing.fontUp, {sjis("ＭＳ 明朝"), "12", "1"}, "Up");
    expectSameFont(stamp.drawing.fontUp2, {sjis("ＭＳ 明朝"), "12", "1"}, "Up2");
    expectSameFont(stamp.drawing.fontDate, {"Arial", "9", "0"}, "Date");
    expectSameFont(stamp.drawing.fontLow, {sjis("ＭＳ Ｐゴシック"), "14", "1"}, "Low");
    EXPECT_EQ(stamp.computerName, "KEIRI-PC01");
    EXPECT_EQ(stamp.windowsUser, "yamada");
    EXPECT_EQ(stamp.recordedVersion, "Ver5.6.3");
    EXPECT_EQ(stamp.programVersion, "Ver5.6.4");
    EXPECT_EQ(stamp.sizeX, "18");
    EXPECT_EQ(stamp.sizeY, "21");
    EXPECT_EQ(stamp.drawing.profileText, "<Circle>1</Circle>");

    // Saved again by this program, the stamp keeps its seal size and what it shows.
    StampRecord resaved = stamp;
    const StampRecord reread = readNativeData(writeNativeData(resaved));
    EXPECT_EQ(reread.sizeX, "18");
    EXPECT_EQ(reread.sizeY, "21");
    EXPECT_EQ(reread.drawing.colour, 128u);
    EXPECT_EQ(reread.drawing.penWidth, 3);
    EXPECT_EQ(reread.comment, stamp.comment);

    const StampRecord longComment = readNativeData(readFile(dataFile("stamper/LongComment.bin")));
    std::string expectedComment;
    for (int i = 0; i < 40; ++i)
        expectedComment += sjis("長い説明。");
    EXPECT_EQ(longComment.comment, expectedComment);
    EXPECT_EQ(longComment.shape, 2);
    EXPECT_EQ(longComment.drawing.colour, stampBlack);

    const StampRecord wide = readNativeData(readFile(dataFile("stamper/WideApprover.bin")));
    EXPECT_EQ(wide.approverName, sjis("山田太郎"));
    EXPECT_EQ(wide.shape, 1);
    EXPECT_EQ(wide.drawing.colour, stampRed);
}

TEST(NativeData, BrokenDataIsRefusedAndChangesNothing) {
    const char* fixtures[] = {
        "TruncatedStamp.bin",      "TruncatedAfterTwelveItems.bin", "BrokenOversizedLength.bin",
        "BrokenLengthPastEnd.bin", "BrokenTrailingBytes.bin",       "BrokenWideCharacter.bin",
    };
    for (const char* name : fixtures) {
        StampRecord stamp = fullStamp();
        const std::string before = writeNativeData(stamp);
        EXPECT_THROW(readNativeData(readFile(dataFile(std::string("stamper/") + name)), stamp),
                     NativeDataError)
            << name;
        EXPECT_EQ(writeNativeData(stamp), before) << name;
    }
    const std::string byHand[] = {
        "",
        std::string("\xFF", 1),
        std::string("\xFF\xFF\xFF\xFF\xFF", 5),
        items("\xFF\xFF\xFF" + le32(0xFFFFFFFFu)),
        items(std::string("\xFF\xFE\xFF\xFF\xFF\xFF", 6) + le32(0x80000000u)),
        items(std::string("\xFF\xFE\xFF\x04", 4) + "ab"),
        items(std::string("\xFF\xFE\xFF\xFF\xFE\xFF", 6)),
        items(std::string("\xFF\xFE\xFF\x01", 4) + std::string("\x00\xD8", 2)),
    };
    for (const std::string& bytes : byHand)
        EXPECT_THROW(readNativeData(bytes), NativeDataError) << bytes.size();
}

TEST(NativeData, MessagesNameTheItemAndTheProblem) {
    const auto messageOf = [](const std::string& bytes) -> std::string {
        try {
            readNativeData(bytes);
        } catch (const NativeDataError& e) {
            return e.what();
        }
        return "read without error";
    };
    EXPECT_EQ(messageOf(readFile(dataFile("stamper/BrokenOversizedLength.bin"))),
              "the comment declares 2147483647 bytes, more than the limit of 1048576");
    EXPECT_EQ(messageOf(readFile(dataFile("stamper/BrokenLengthPastEnd.bin"))),
              "the comment needs 200 bytes, but only 3 follow");
    EXPECT_EQ(messageOf(readFile(dataFile("stamper/BrokenTrailingBytes.bin"))),
              "2 bytes follow the last item of the stamp");
    EXPECT_EQ(messageOf(readFile(dataFile("stamper/BrokenWideCharacter.bin"))),
              "the approver name holds a character without a Shift-JIS form");
}

TEST(NativeData, TextsBeyondTheLimitAreNeitherWrittenNorRead) {
    StampRecord s;
    s.comment = std::string(maxNativeTextBytes, 'c');
    EXPECT_EQ(readNativeData(writeNativeData(s)).comment.size(), maxNativeTextBytes);

    s.comment += 'c';
    EXPECT_THROW(writeNativeData(s), NativeDataError);
    const std::string present = "\xFF\xFF\xFF" + le32(maxNativeTextBytes + 1) + s.comment;
    EXPECT_THROW(readNativeData(items(present)), NativeDataError);

    const std::string tooMuchData(maxNativeDataBytes + 1, '\0');
    EXPECT_THROW(readNativeData(tooMuchData), NativeDataError);
}

TEST(StampTypeCode, CodeTableAndWrittenCodes) {
    struct Case {
        std::int32_t code;
        int shape;
        std::uint32_t colour;
    };
    const Case cases[] = {
        {0, 1, 0x0000FF}, {1, 1, 0},        {10, 0, 0x0000FF}, {11, 0, 0},        {20, 2, 0x0000FF},
        {21, 2, 0},       {2, 0, 0xFF0000}, {12, 0, 0xFF0000}, {-1, 0, 0xFF0000}, {30, 0, 0xFF0000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(stampTypeOfCode(c.code).shape, c.shape) << c.code;
        EXPECT_EQ(stampTypeOfCode(c.code).colour, c.colour) << c.code;
    }
    EXPECT_EQ(stampTypeCodeOfShape(0), 10);
    EXPECT_EQ(stampTypeCodeOfShape(1), 0);
    EXPECT_EQ(stampTypeCodeOfShape(2), 20);
}

TEST(StampTypeCode, ColourElementOverridesTheCodeUnlessEmpty) {
    StampRecord shapeOne;
    shapeOne.shape = 1;
    shapeOne.drawing.colour = 0x00FF00;
    std::string bytes = writeNativeData(shapeOne);
    EXPECT_EQ(readNativeData(bytes).shape, 1);
    EXPECT_EQ(readNativeData(bytes).drawing.colour, 0x00FF00u);

    const StampRecord blackNoColour =
        readNativeData(items(shortText(""), shortText(""),
                             shortText("<Color></Color><ComputerName>pc</ComputerName>"), 11));
    EXPECT_EQ(blackNoColour.shape, 0);
    EXPECT_EQ(blackNoColour.drawing.colour, 0u);
    EXPECT_EQ(blackNoColour.computerName, "pc");

    const StampRecord redNoElement =
        readNativeData(items(shortText(""), shortText(""), shortText(""), 0));
    EXPECT_EQ(redNoElement.shape, 1);
    EXPECT_EQ(redNoElement.drawing.colour, stampRed);

    const StampRecord overridden =
        readNativeData(items(shortText(""), shortText(""), shortText("<Color>4227327</Color>"), 1));
    EXPECT_EQ(overridden.drawing.colour, 4227327u);
}

TEST(FontText, DefaultsForWhatIsMissing) {
    const std::string gothic = sjis("ＭＳ Ｐゴシック");
    SealDrawingInput onlyFontUp;
    readFontText("<FontUp>A</FontUp><BoldUp>1</BoldUp><SizeUp>12</SizeUp>", onlyFontUp);
    expectSameFont(onlyFontUp.fontUp, {"A", "12", "1"}, "Up");
    expectSameFont(onlyFontUp.fontUp2, {"A", "12", "1"}, "Up2");
    expectSameFont(onlyFontUp.fontDate, {gothic, "10", ""}, "Date");
    expectSameFont(onlyFontUp.fontLow, {gothic, "10", ""}, "Low");

    SealDrawingInput nothing;
    readFontText("", nothing);
    for (const SealLineFont* font :
         {&nothing.fontUp, &nothing.fontUp2, &nothing.fontDate, &nothing.fontLow})
        expectSameFont(*font, {gothic, "10", ""}, "empty font text");
    EXPECT_EQ(nothing.penWidth, 1);

    SealDrawingInput ownSecondLine;
    readFontText("<FontUp>A</FontUp><FontUp2>B</FontUp2><SizeUp2>7</SizeUp2>"
                 "<BoldUp>1</BoldUp><BoldUp2>0</BoldUp2>",
                 ownSecondLine);
    expectSameFont(ownSecondLine.fontUp2, {"B", "7", "0"}, "Up2");
    expectSameFont(ownSecondLine.fontUp, {"A", "10", "1"}, "Up");
}

TEST(FontText, PenWidthOutsideOneToHundredReadsAsOne) {
    const std::pair<const char*, int> cases[] = {
        {"", 1},
        {"<PenWidth>0</PenWidth>", 1},
        {"<PenWidth>101</PenWidth>", 1},
        {"<PenWidth>abc</PenWidth>", 1},
        {"<PenWidth>-3</PenWidth>", 1},
        {"<PenWidth>1</PenWidth>", 1},
        {"<PenWidth>100</PenWidth>", 100},
        {"<PenWidth> 7mm</PenWidth>", 7},
    };
    for (const auto& [text, width] : cases) {
        SealDrawingInput drawing;
        readFontText(text, drawing);
        EXPECT_EQ(drawing.penWidth, width) << text;
    }
}

TEST(InformationText, SizeIsTakenOnlyFromAShapeWithASize) {
    const std::pair<const char*, std::pair<const char*, const char*>> cases[] = {
        {"<ComputerName>pc</ComputerName>", {"16", "16"}},
        {"<Shape><Circle>1</Circle></Shape><Size><X>9</X></Size>", {"16", "16"}},
        {"<Shape><Size></Size></Shape>", {"16", "16"}},
        {"<Shape><Size><X>20</X></Size></Shape>", {"20", ""}},
        {"<Shape><Size><X>20</X><Y>30</Y></Size></Shape>", {"20", "30"}},
    };
    for (const auto& [text, size] : cases) {
        StampRecord stamp;
        readInformationText(text, stamp);
        EXPECT_EQ(stamp.sizeX, size.first) << text;
        EXPECT_EQ(stamp.sizeY, size.second) << text;
    }
}
