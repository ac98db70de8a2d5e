#include "manager/sealform/font_detail_model.h"
#include "manager/sealform/register_seal_model.h"
#include "tests/manager/manager_fixture.h"

#include "tests/support/recording_choosers.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::sjis;

namespace {

SealFonts storedFonts(const std::string& size, const std::string& bold = "") {
    SealFont font{sjis("ＭＳ Ｐゴシック"), bold, size};
    return {font, font, font, font};
}

} // namespace

TEST(FontDetailModel, ProposesASizeWhereTheStoredOneReadsAsZero) {
    for (const std::string stored : {"0", "", "abc", "0pt"}) {
        RecordingPrompter prompter;
        const FontDetailModel model(prompter, storedFonts(stored), {0, 30, sjis("山田").size()});
        EXPECT_EQ(model.line(FontLine::Date).size, 12) << stored;
        EXPECT_EQ(model.line(FontLine::Low1).size, 20) << stored; // 4 bytes
        EXPECT_EQ(model.line(FontLine::Up2).size, 10) << stored;  // empty
        EXPECT_EQ(model.line(FontLine::Up1).size, 3) << stored;   // 30 bytes
    }
    RecordingPrompter prompter;
    const FontDetailModel kept(prompter, storedFonts("15"), {});
    EXPECT_EQ(kept.line(FontLine::Date).size, 15);
    // The table, byte length to size.
    const std::pair<std::size_t, int> table[] = {{0, 10},  {1, 24},  {2, 22},  {3, 21}, {11, 13},
                                                 {12, 12}, {13, 12}, {14, 11}, {21, 4}, {22, 3}};
    for (const auto& [bytes, size] : table) {
        EXPECT_EQ(proposedFontSize(FontLine::Up1, bytes), size) << bytes;
        EXPECT_EQ(proposedFontSize(FontLine::Date, bytes), 12);
    }
}

TEST(FontDetailModel, OnlyWeight700IsBold) {
    RecordingPrompter prompter;
    RecordingFontChooser chooser;
    FontDetailModel model(prompter, storedFonts("", "1"), {0, 2, 4});
    EXPECT_TRUE(model.line(FontLine::Up1).bold);
    chooser.answers = {ChosenFont{QStringLiteral("IPAMincho"), 14, 600},
                       ChosenFont{QStringLiteral("IPAGothic"), 9, 700}, std::nullopt};
    EXPECT_EQ(model.chooseFont(FontLine::Up1, chooser), FontDetailModel::ChooseOutcome::Chosen);
    EXPECT_EQ(model.chooseFont(FontLine::Low1, chooser), FontDetailModel::ChooseOutcome::Chosen);
    EXPECT_EQ(model.chooseFont(FontLine::Date, chooser), FontDetailModel::ChooseOutcome::Cancelled);
    // The chooser opens on the line's font: its face, size and bold flag.
    ASSERT_EQ(chooser.asked.size(), 3u);
    EXPECT_EQ(chooser.asked[0].family, QStringLiteral("IPAPGothic"));
    EXPECT_EQ(chooser.asked[0].pointSize, 22);
    EXPECT_TRUE(chooser.asked[0].bold);

    const auto fonts = model.accept();
    ASSERT_TRUE(fonts);
    EXPECT_EQ(fonts->up1, (SealFont{"IPAMincho", "0", "14"}));
    EXPECT_EQ(fonts->low1, (SealFont{"IPAGothic", "1", "9"}));
    EXPECT_EQ(fonts->date, (SealFont{sjis("ＭＳ Ｐゴシック"), "1", "12"}));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(FontDetailModel, TheChooserOpensOnTheDrawnFaceAndAKeptFaceKeepsItsWindowsName) {
    struct Case {
        const char* stored; // the line's face name as the seal file holds it
        const char* drawn;  // what the chooser is offered
    };
    const Case cases[] = {
        {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ 明朝", "IPAMincho"},
        {"Meiryo", "IPAPGothic"},          {"", "IPAPGothic"},
        {"IPAGothic", "IPAGothic"},
    };
    for (const Case& c : cases) {
        RecordingPrompter prompter;
        RecordingFontChooser chooser;
        SealFont stored{sjis(c.stored), "1", "10"};
        FontDetailModel model(prompter, {stored, stored, stored, stored}, {});
        // OK without touching anything: the chooser gives back what it was opened on.
        chooser.answers = {ChosenFont{QString::fromUtf8(c.drawn), 10, 700}};
        EXPECT_EQ(model.chooseFont(FontLine::Low1, chooser),
                  FontDetailModel::ChooseOutcome::Chosen);
        ASSERT_EQ(chooser.asked.size(), 1u) << c.stored;
        EXPECT_EQ(chooser.asked[0].family, QString::fromUtf8(c.drawn)) << c.stored;
        EXPECT_EQ(chooser.asked[0].pointSize, 10) << c.stored;
        EXPECT_TRUE(chooser.asked[0].bold) << c.stored;
        const auto fonts = model.accept();
        ASSERT_TRUE(fonts);
        EXPECT_EQ(fonts->low1, stored) << c.stored;
    }
    // Another face is taken by its Linux name.
    RecordingPrompter prompter;
    RecordingFontChooser chooser;
    SealFont stored{sjis("ＭＳ Ｐゴシック"), "1", "10"};
    FontDetailModel model(prompter, {stored, stored, stored, stored}, {});
    chooser.answers = {ChosenFont{QStringLiteral("IPAMincho"), 10, 700}};
    EXPECT_EQ(model.chooseFont(FontLine::Up1, chooser), FontDetailModel::ChooseOutcome::Chosen);
    EXPECT_EQ(model.line(FontLine::Up1).name, QStringLiteral("IPAMincho"));
}

TEST(FontDetailModel, AFaceNameOverThirtyOneBytesIsNotHandedToTheChooser) {
    RecordingPrompter prompter;
    RecordingFontChooser chooser;
    FontDetailModel model(prompter, storedFonts("12"), {});
    // Sixteen double-byte characters: 32 bytes.
    model.setName(FontLine::Up2, QStringLiteral("あいうえおかきくけこさしすせそた"));
    EXPECT_EQ(model.chooseFont(FontLine::Up2, chooser),
              FontDetailModel::ChooseOutcome::NameTooLong);
    EXPECT_TRUE(chooser.asked.empty());
    EXPECT_EQ(
        prompter.messages,
        QStringList{QStringLiteral(
            "フォント名 あいうえおかきくけこさしすせそた は32バイトです。フォントの選択に渡せる"
            "のは31バイトまでです。フォント名を短くしてください。")});
    model.setName(FontLine::Up2, QStringLiteral("あいうえおかきくけこさしすせそ"));
    EXPECT_EQ(model.chooseFont(FontLine::Up2, chooser), FontDetailModel::ChooseOutcome::Cancelled);
    EXPECT_EQ(chooser.asked.size(), 1u);
}

TEST(FontDetailModel, CancelKeepsTheCallersFontsEvenAnOddBoldFlag) {
    vermil::test::ManagerFixture f;
    RegisterSealModel form(f.prompter, HankoSettings(f.settingsFile), f.index(), "5.6.4");
    SealFonts odd = form.fonts();
    odd.up1.bold = "yes";
    odd.low1.size = "";
    form.setFonts(odd);
    {
        FontDetailModel detail = form.fontDetail();
        EXPECT_FALSE(detail.line(FontLine::Up1).bold);
        detail.setBold(FontLine::Up1, true);
        detail.setSize(FontLine::Low1, 30);
        // Cancel: the calling dialog never asks for the result.
    }
    EXPECT_EQ(form.fonts(), odd);
    // OK stores what the dialog shows: the proposed size for an empty one, "0" for odd bold.
    FontDetailModel detail = form.fontDetail();
    const auto fonts = detail.accept();
    ASSERT_TRUE(fonts);
    form.setFonts(*fonts);
    EXPECT_EQ(form.fonts().up1.bold, "0");
    EXPECT_EQ(form.fonts().low1.size, "10");
}
