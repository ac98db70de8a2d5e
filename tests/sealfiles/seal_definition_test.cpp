#include "sealfiles/seal_definition.h"
#include "sealfiles/seal_file.h"

#include "common/keyed_hash.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::TempDir;

namespace {
SealDefinition exampleSeal() {
    SealDefinition seal;
    seal.up1 = sjis("経理部");
    seal.down = sjis("山田");
    seal.format = "'YY.MM.DD";
    const SealFont font{sjis("ＭＳ Ｐゴシック"), "0", "12"};
    seal.fonts = {font, font, font, font};
    return seal;
}
} // namespace

TEST(SealDefinition, WritesTheFifteenPiecesOnOneLine) {
    const std::string gothic = sjis("ＭＳ Ｐゴシック");
    const std::string font = "<Name>" + gothic + "</Name><B>0</B><Size>12</Size>";
    const std::string expected =
        "<Vermil><Up1>" + sjis("経理部") + "</Up1><Up2></Up2><Down>" + sjis("山田") +
        "</Down></Vermil><Profile>osprf_vrm_default.xml</Profile>"
        "<Shape><Size><X>19</X><Y>19</Y></Size></Shape><Date><Format>'YY.MM.DD</Format></Date>"
        "<Hash>" +
        hash8(sjis("経理部山田"), "MIRTHFUL") + "</Hash><Font><Up2>" + font + "</Up2><Up1>" + font +
        "</Up1><Date>" + font + "</Date><Low1>" + font + "</Low1></Font>";
    EXPECT_EQ(buildSealText(exampleSeal()), expected);

    TempDir dir;
    const std::string folder = dir.path().string() + "/";
    ASSERT_TRUE(writeSealFile(folder, "seal", expected));
    EXPECT_EQ(readFile(dir / "seal.vrm"), expected); // not a byte more: no line break at the end
    EXPECT_EQ(readSealFile(folder + "seal.vrm").value(), expected);
}

TEST(SealDefinition, TextsJoinedWithoutSeparatorsShareTheSealHash) {
    SealDefinition ab = exampleSeal();
    ab.up1 = "AB";
    ab.up2 = "";
    SealDefinition aThenB = exampleSeal();
    aThenB.up1 = "A";
    aThenB.up2 = "B";
    EXPECT_EQ(sealTextHash("AB", "", "Z"), sealTextHash("A", "B", "Z"));
    EXPECT_EQ(parseSealText(buildSealText(ab)).storedHash,
              parseSealText(buildSealText(aThenB)).storedHash);
    // The whole-file text still tells them apart, so the index code does too.
    EXPECT_NE(buildSealText(ab), buildSealText(aThenB));
}

TEST(SealDefinition, ReadsBackWhatItWrote) {
    SealDefinition seal = exampleSeal();
    seal.up2 = sjis("本社");
    seal.profile = "round.xml";
    seal.sizeX = "21";
    seal.sizeY = "18";
    seal.fonts.low1 = {"Gothic", "1", "20"};
    const SealFileContent content = parseSealText(buildSealText(seal));
    EXPECT_TRUE(content.hasVermil);
    EXPECT_EQ(content.up1, seal.up1);
    EXPECT_EQ(content.up2, seal.up2);
    EXPECT_EQ(content.down, seal.down);
    EXPECT_EQ(content.profile, "round.xml");
    EXPECT_EQ(content.sizeX, "21");
    EXPECT_EQ(content.sizeY, "18");
    EXPECT_EQ(content.format, "'YY.MM.DD");
    EXPECT_EQ(content.storedHash, sealTextHash(seal.up1, seal.up2, seal.down));
    EXPECT_TRUE(content.hasFonts);
    EXPECT_EQ(content.fonts, seal.fonts);
}

TEST(SealDefinition, ReadingAppliesEveryDefault) {
    // An older file: no Vermil block, no Font block, empty size, format and profile.
    const std::string older = "<Profile></Profile><Shape><Size><X></X><Y>17</Y></Size></Shape>"
                              "<Date><Format></Format></Date><Hash>ABC</Hash>";
    const SealFileContent content = parseSealText(older, "23", "24");
    EXPECT_FALSE(content.hasVermil);
    EXPECT_FALSE(content.hasFonts);
    EXPECT_EQ(content.profile, "osprf_vrm_default.xml");
    EXPECT_EQ(content.sizeX, "23"); // the manager's SizeX from hanko.ini
    EXPECT_EQ(content.sizeY, "17");
    EXPECT_EQ(content.format, "YYYY.MM.DD");
    EXPECT_EQ(parseSealText(older).sizeX, "19"); // the stamping program's fallback
    EXPECT_EQ(parseSealText("").profile, "osprf_vrm_default.xml");
}

TEST(SealDefinition, RefusesValuesThatWouldNotReadBackWhole) {
    struct Case {
        std::string up1;
        bool refused;
    } cases[] = {
        {"a<Up1>b", true},      {"a</Down>", true},
        {"<B>", true},          {"x<Hash", true},
        {"x<Font>", true},      {"a<b>", false},
        {"1 < 2", false},       {"a\nb", true},
        {"a\rb", true},         {std::string("a\0b", 3), true},
        {sjis("表<ポ"), false},
    };
    for (const auto& c : cases) {
        SealDefinition seal = exampleSeal();
        seal.up1 = c.up1;
        EXPECT_EQ(sealTextProblem(seal).has_value(), c.refused) << c.up1;
    }
    SealDefinition badFont = exampleSeal();
    badFont.fonts.date.name = "Mincho<Name>";
    EXPECT_TRUE(sealTextProblem(badFont).has_value());
}

TEST(SealDefinition, RefusesProfilesOutsideTheSealFolderAndSizesThatDoNotDraw) {
    struct Case {
        std::string profile, sizeX, sizeY;
        bool refused;
    } cases[] = {
        {"osprf_vrm_default.xml", "1", "1000", false},
        {"my..profile.xml", "0019", "19", false},
        {sjis("表.xml"), "19", "19", false}, // 0x5C as a second byte is no folder
        {"../../../../etc/passwd", "19", "19", true},
        {"sub/p.xml", "19", "19", true},
        {"sub\\p.xml", "19", "19", true},
        {"..", "19", "19", true},
        {".", "19", "19", true},
        {"p.xml", "-5", "19", true},
        {"p.xml", "19", "99999999999999", true},
        {"p.xml", "0", "19", true},
        {"p.xml", "1001", "19", true},
        {"p.xml", "19.5", "19", true},
        {"p.xml", " 19", "19", true},
        {"p.xml", "", "19", true},
        {"p.xml", "19", sjis("１９"), true},
    };
    for (const auto& c : cases) {
        SealDefinition seal = exampleSeal();
        seal.profile = c.profile;
        seal.sizeX = c.sizeX;
        seal.sizeY = c.sizeY;
        EXPECT_EQ(sealTextProblem(seal).has_value(), c.refused)
            << c.profile << " " << c.sizeX << " " << c.sizeY;
    }
    SealDefinition seal = exampleSeal();
    seal.sizeX = "-5";
    EXPECT_EQ(sealTextProblem(seal), QStringLiteral("X \"-5\" は1から1000までの整数(mm)でなければ"
                                                    "なりません。"));
}

TEST(SealDefinition, RefusesATextBeyondWhatReadersLoad) {
    SealDefinition seal = exampleSeal();
    const std::size_t base = buildSealText(seal).size();
    seal.up2 = std::string(maxSealTextBytes - base, 'x');
    EXPECT_EQ(buildSealText(seal).size(), maxSealTextBytes);
    EXPECT_FALSE(sealTextProblem(seal).has_value());
    seal.up2 += "x";
    ASSERT_TRUE(sealTextProblem(seal).has_value());
    EXPECT_TRUE(sealTextProblem(seal)->contains(QStringLiteral("1024")));
}
