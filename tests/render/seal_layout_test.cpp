#include "render/seal_layout.h"

#include "common/tag_text.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <string>

namespace vermil {
namespace {

TEST(ReadSealLayout, EmptyProfileGivesBuiltInLayoutWithPenWidth) {
    const SealLayout layout = ReadSealLayout("", 5);
    EXPECT_EQ(layout.outerRing, (SealFigure{0, 0, 100, 100, 5}));
    EXPECT_EQ(layout.innerRing, (SealFigure{4, 4, 96, 96, 0}));
    EXPECT_EQ(layout.bandLine1, (SealFigure{5, 34, 95, 34, 5}));
    EXPECT_EQ(layout.bandLine2, (SealFigure{5, 66, 95, 66, 5}));
    EXPECT_EQ(layout.bandLine3, (SealFigure{5, 31, 95, 31, 0}));
    EXPECT_EQ(layout.bandLine4, (SealFigure{5, 68, 95, 68, 0}));
    EXPECT_EQ(layout.upperText2, (SealAnchor{50, 20}));
    EXPECT_EQ(layout.upperText1, (SealAnchor{50, 32}));
    EXPECT_EQ(layout.sealDate, (SealAnchor{50, 57}));
    EXPECT_EQ(layout.lowerText, (SealAnchor{50, 70}));
}

// Every anchor given, so that only the figure under test differs from the defaults.
const std::string allAnchors = "<Up2><X>50</X><Y>20</Y></Up2><Up1><X>50</X><Y>32</Y></Up1>"
                               "<Date><X>50</X><Y>57</Y></Date><Low1><X>50</X><Y>70</Y></Low1>";

TEST(ReadSealLayout, FigureValuesReplaceDefaultsOnlyWhenNotEmpty) {
    struct Case {
        std::string shape;
        SealFigure SealLayout::*figure;
        SealFigure expected;
    };
    const Case cases[] = {
        {"<Arc2><Pen><Width>1</Width></Pen></Arc2>", &SealLayout::innerRing, {4, 4, 96, 96, 1}},
        {"<Line1><Pen><Width>0</Width></Pen></Line1>", &SealLayout::bandLine1, {5, 34, 95, 34, 0}},
        {"<Line3><Y1>40</Y1><Y2>41</Y2><Pen><Width>1</Width></Pen></Line3>",
         &SealLayout::bandLine3,
         {5, 40, 95, 41, 1}},
        // empty elements keep the default, text without digits reads as 0
        {"<Arc><X1></X1><Y1>abc</Y1><X2> 90x</X2><Pen><Width></Width></Pen></Arc>",
         &SealLayout::outerRing,
         {0, 0, 90, 100, 2}},
        // a ring named Arc2 is not the outer ring, even when it comes first
        {"<Arc2><X1>7</X1></Arc2><Arc><X1>3</X1></Arc>",
         &SealLayout::outerRing,
         {3, 0, 100, 100, 2}},
        {"<Arc2><X1>7</X1></Arc2><Arc><X1>3</X1></Arc>", &SealLayout::innerRing, {7, 4, 96, 96, 0}},
        // a width outside Pen is not the pen width
        {"<Line4><Width>3</Width></Line4>", &SealLayout::bandLine4, {5, 68, 95, 68, 0}},
        {"<Line2><X1>-10</X1><Pen><Width>+4</Width></Pen></Line2>",
         &SealLayout::bandLine2,
         {-10, 66, 95, 66, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shape);
        const SealLayout layout = ReadSealLayout("<Shape>" + c.shape + "</Shape>" + allAnchors, 2);
        EXPECT_EQ(layout.*c.figure, c.expected);
    }
}

TEST(ReadSealLayout, FiguresAreReadOnlyInsideShape) {
    const SealLayout layout =
        ReadSealLayout("<Arc><Pen><Width>9</Width></Pen></Arc><Shape></Shape>" + allAnchors, 2);
    EXPECT_EQ(layout.outerRing.width, 2);
}

TEST(ReadSealLayout, AnchorsOfNonEmptyProfileAreAlwaysRead) {
    const SealLayout layout = ReadSealLayout(
        "<Shape><Up1><X>11</X><Y>12</Y></Up1></Shape><Up2><X>30</X></Up2><Date><X></X><Y>60</Y>"
        "</Date><Low1><X>abc</X><Y>75</Y></Low1>",
        2);
    // Up1 is looked up in the whole text, so the one inside Shape counts
    EXPECT_EQ(layout.upperText1, (SealAnchor{11, 12}));
    EXPECT_EQ(layout.upperText2, (SealAnchor{30, 0}));
    EXPECT_EQ(layout.sealDate, (SealAnchor{0, 60}));
    EXPECT_EQ(layout.lowerText, (SealAnchor{0, 75}));

    const SealLayout withoutTexts = ReadSealLayout("<Shape></Shape>", 2);
    EXPECT_EQ(withoutTexts.upperText1, (SealAnchor{0, 0}));
    EXPECT_EQ(withoutTexts.lowerText, (SealAnchor{0, 0}));
    EXPECT_EQ(withoutTexts.outerRing, (SealFigure{0, 0, 100, 100, 2}));
}

TEST(ReadSealLayout, IndentedProfileFileReadsLikeOneLine) {
    const std::optional<std::string> profile =
        loadTagFile(test::dataFile("render/IndentedProfile.xml"));
    ASSERT_TRUE(profile);
    const SealLayout layout = ReadSealLayout(tagText(*profile, "Profile"), 2);
    EXPECT_EQ(layout.outerRing, (SealFigure{0, 0, 100, 100, 3}));
    EXPECT_EQ(layout.innerRing, (SealFigure{6, 6, 94, 94, 1}));
    EXPECT_EQ(layout.bandLine1, (SealFigure{8, 30, 92, 30, 2}));
    EXPECT_EQ(layout.bandLine2, (SealFigure{8, 70, 92, 70, 0}));
    EXPECT_EQ(layout.upperText2, (SealAnchor{50, 16}));
    EXPECT_EQ(layout.upperText1, (SealAnchor{50, 28}));
    EXPECT_EQ(layout.sealDate, (SealAnchor{50, 56}));
    EXPECT_EQ(layout.lowerText, (SealAnchor{48, 72}));
}

TEST(ReadSealLayout, TruncatedProfileKeepsWhatItCannotRead) {
    const std::optional<std::string> text =
        loadTagFile(test::dataFile("render/TruncatedProfile.xml"));
    ASSERT_TRUE(text);
    // No closing Shape: the figures keep their defaults, the anchors read as 0.
    const SealLayout layout = ReadSealLayout(*text, 2);
    EXPECT_EQ(layout.outerRing, (SealFigure{0, 0, 100, 100, 2}));
    EXPECT_EQ(layout.bandLine1, (SealFigure{5, 34, 95, 34, 2}));
    EXPECT_EQ(layout.upperText1, (SealAnchor{0, 0}));
}

TEST(AutoTextSize, FollowsByteLength) {
    const int expected[] = {10, 24, 22, 21, 20, 19, 18, 17, 16, 15, 14, 13,
                            12, 12, 11, 10, 9,  8,  7,  6,  5,  4,  3,  3};
    for (int length = 0; length < 24; ++length) {
        EXPECT_EQ(AutoTextSize(length), expected[length]) << length << " bytes";
    }
    EXPECT_EQ(AutoTextSize(-1), 10);
    EXPECT_EQ(AutoTextSize(100000), 3);
}

} // namespace
} // namespace vermil
