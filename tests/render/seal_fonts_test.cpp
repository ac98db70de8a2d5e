#include "render/seal_fonts.h"

#include "common/cp932.h"

#include <QFontInfo>
#include <QRawFont>

#include <gtest/gtest.h>

namespace vermil {
namespace {

class SealFontsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { installSealFontSubstitutions(); }
};

TEST_F(SealFontsTest, WindowsJapaneseFacesDrawWithIpaFonts) {
    const struct {
        const char* face;
        const char* family;
    } cases[] = {
        {"", "IPAPGothic"}, // the default face
        {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"MS PGothic", "IPAPGothic"},
        {"ＭＳ ゴシック", "IPAGothic"},
        {"MS Gothic", "IPAGothic"},
        {"ＭＳ 明朝", "IPAMincho"},
        {"MS Mincho", "IPAMincho"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},
        {"MS PMincho", "IPAPMincho"},
        {"メイリオ", "IPAPGothic"},
        {"Meiryo", "IPAPGothic"},
        {"IPAMincho", "IPAMincho"}, // an installed face is used as it is
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.face);
        const QFont font = sealFont(cp932Literal(c.face), 20, false);
        EXPECT_EQ(QFontInfo(font).family().toStdString(), c.family);
    }
}

TEST_F(SealFontsTest, DefaultFaceHasTheSealsJapaneseGlyphs) {
    EXPECT_EQ(sealFaceName("").toStdString(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(sealFaceName(cp932Literal("ＭＳ 明朝")).toStdString(), "ＭＳ 明朝");
    const QRawFont raw = QRawFont::fromFont(sealFont("", 20, false));
    for (QChar c : QStringLiteral("経理部総務課山田鈴木年月日令和")) {
        EXPECT_TRUE(raw.supportsCharacter(c)) << QString(c).toStdString();
    }
}

TEST_F(SealFontsTest, IpaFacesHaveNoBoldStyleOfTheirOwn) {
    EXPECT_TRUE(needsSyntheticBold(sealFont("", 20, true)));
    EXPECT_FALSE(needsSyntheticBold(sealFont("", 20, false)));
}

} // namespace
} // namespace vermil
