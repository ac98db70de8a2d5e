#include "sealfiles/default_profile.h"
#include "sealfiles/layout_profile.h"
#include "sealfiles/seal_folder.h"

#include "common/tag_text.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vermil;
using vermil::test::dataFile;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {
const std::string gothic = sjis("ＭＳ Ｐゴシック");
const std::string mincho = sjis("ＭＳ 明朝");

std::string folderOf(const TempDir& dir) {
    return dir.path().string() + "/";
}
} // namespace

TEST(LayoutProfile, AnIndentedProfileReadsLikeOneLine) {
    const std::string file = dataFile("sealfiles/IndentedProfile.xml").string();
    SealFonts fonts = defaultSealFonts();
    readProfileFonts(file, fonts);
    EXPECT_EQ(fonts.up2, (SealFont{gothic, "0", "9"}));
    EXPECT_EQ(fonts.up1, (SealFont{mincho, "1", "13"}));
    EXPECT_EQ(fonts.date, (SealFont{gothic, "0", "15"}));
    EXPECT_EQ(fonts.low1, (SealFont{mincho, "1", "20"}));

    // Without line breaks and indentation the same text gives the same fonts.
    std::string oneLine;
    for (char c : readFile(file))
        if (c != '\r' && c != '\n')
            oneLine += c;
    SealFonts fromOneLine = defaultSealFonts();
    applyProfileFonts(oneLine, fromOneLine);
    EXPECT_EQ(fromOneLine, fonts);
    // The stamping program reads the same fonts from the Profile element.
    RecordingPrompter prompter;
    const auto profileText = readProfileText(file, prompter);
    ASSERT_TRUE(profileText.has_value());
    EXPECT_EQ(fontsOfProfileText(*profileText), fonts);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(LayoutProfile, OnlyTheFontsTheProfileHasAreReplaced) {
    TempDir dir;
    writeFile(dir / "up1.xml", "<Profile>\n <Up1><X>50</X>\n  <Font><Name>Gothic</Name>"
                               "<Size>16</Size></Font></Up1>\n <Low1><X>1</X></Low1>\n</Profile>");
    SealFonts fonts = defaultSealFonts();
    fonts.date = {"Kept", "1", "30"};
    readProfileFonts(profilePath(folderOf(dir), "up1.xml"), fonts);
    EXPECT_EQ(fonts.up1, (SealFont{"Gothic", "", "16"}));
    EXPECT_EQ(fonts.up2, (SealFont{gothic, "", ""}));
    EXPECT_EQ(fonts.date, (SealFont{"Kept", "1", "30"}));
    EXPECT_EQ(fonts.low1, (SealFont{gothic, "", ""}));
}

TEST(LayoutProfile, AMissingProfileLeavesTheDefaults) {
    TempDir dir;
    SealFonts fonts = defaultSealFonts();
    readProfileFonts(profilePath(folderOf(dir), "osprf_vrm_default.xml"), fonts);
    EXPECT_EQ(fonts, defaultSealFonts());
    EXPECT_EQ(fonts.up1, (SealFont{gothic, "", ""}));
    writeFile(dir / "empty.xml", "");
    readProfileFonts(profilePath(folderOf(dir), "empty.xml"), fonts);
    EXPECT_EQ(fonts, defaultSealFonts());

    // The stamping program warns and keeps its built-in layout.
    RecordingPrompter prompter;
    const std::string path = profilePath(folderOf(dir), "osprf_vrm_default.xml");
    EXPECT_FALSE(readProfileText(path, prompter).has_value());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0], QStringLiteral("Warning 425 : can't open the profile ") +
                                        QString::fromStdString(path) + QStringLiteral(" ."));
}

TEST(LayoutProfile, AProfileLongerThanASealFileIsReadWhole) {
    TempDir dir;
    std::string text = "<Profile>\n";
    for (int i = 0; i < 200; ++i)
        text += "        <!-- spacing line -->\n";
    text += "  <Low1><Font><Name>Far</Name></Font></Low1>\n</Profile>\n";
    ASSERT_GT(text.size(), maxTagFileBytes);
    writeFile(dir / "long.xml", text);
    SealFonts fonts = defaultSealFonts();
    readProfileFonts(profilePath(folderOf(dir), "long.xml"), fonts);
    EXPECT_EQ(fonts.low1.name, "Far");
}

TEST(LayoutProfile, TheDefaultProfileSuitsTheDrawing) {
    EXPECT_EQ(std::string(defaultProfileBytes()),
              readFile(dataFile("../../data/osprf_vrm_default.xml")));
    const std::string profile = tagText(defaultProfileBytes(), "Profile");
    const std::string shape = tagText(profile, "Shape");
    const std::string line1 = tagText(shape, "Line1");
    EXPECT_EQ(tagText(line1, "Y1"), "34");
    EXPECT_EQ(tagText(tagText(shape, "Line2"), "Y2"), "66");
    // The ring lies one unit inside the box, so the default pen of 2 is not cut
    // in half at the edge of a container picture.
    EXPECT_EQ(tagText(tagText(shape, "Arc"), "X1"), "1");
    EXPECT_EQ(tagText(tagText(shape, "Arc"), "X2"), "99");
    EXPECT_EQ(tagText(tagText(profile, "Up2"), "Y"), "18"); // clear of a size 14 Up1
    EXPECT_EQ(tagText(tagText(profile, "Up1"), "Y"), "32");
    EXPECT_EQ(tagText(tagText(profile, "Date"), "Y"), "57");
    EXPECT_EQ(tagText(tagText(profile, "Low1"), "Y"), "70");
    const SealFonts fonts = fontsOfProfileText(profile);
    for (const SealFont& font : {fonts.up2, fonts.up1, fonts.date, fonts.low1}) {
        EXPECT_EQ(font.name, gothic);
        EXPECT_EQ(font.bold, "1");
        EXPECT_FALSE(font.size.empty());
    }
    // Every reader of the suite loads it whole.
    std::string joined;
    for (char c : defaultProfileBytes())
        if (c != '\r' && c != '\n')
            joined += c;
    EXPECT_LE(joined.size(), maxTagFileBytes);
}

TEST(LayoutProfile, ANewSealFolderGetsTheDefaultProfile) {
    TempDir dir;
    const std::string folder = (dir / "a" / "vrdata").string() + "/";
    // Before the folder exists, a new seal's fonts are those it will find there.
    const SealFonts expected = fontsForNewSeal(folder, "osprf_vrm_default.xml");
    EXPECT_EQ(expected.low1.bold, "1");
    EXPECT_EQ(fontsForNewSeal(folder, "other.xml"), defaultSealFonts());

    ASSERT_TRUE(prepareSealFolder(folder));
    EXPECT_EQ(readFile(dir / "a" / "vrdata" / "osprf_vrm_default.xml"),
              std::string(defaultProfileBytes()));
    EXPECT_EQ(fontsForNewSeal(folder, "osprf_vrm_default.xml"), expected);

    // An existing folder without the default profile (its first write failed) gets
    // it too; one that has its own keeps it.
    TempDir existing;
    ASSERT_TRUE(prepareSealFolder(folderOf(existing)));
    EXPECT_EQ(readFile(existing / "osprf_vrm_default.xml"), std::string(defaultProfileBytes()));
    writeFile(existing / "osprf_vrm_default.xml", "<Profile></Profile>");
    ASSERT_TRUE(prepareSealFolder(folderOf(existing)));
    EXPECT_EQ(readFile(existing / "osprf_vrm_default.xml"), "<Profile></Profile>");
    // A folder that cannot be made is reported.
    writeFile(existing / "file", "x");
    EXPECT_FALSE(prepareSealFolder((existing / "file" / "sub").string() + "/"));
}
