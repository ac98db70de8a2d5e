#include "render/seal_font_check.h"

#include "render/seal_fonts.h"

#include "tests/support/recording_prompter.h"

#include <gtest/gtest.h>

#include <string>

namespace vermil {
namespace {

TEST(SealFontCheckTest, MappedFamiliesAreTheIpaFacesEachOnce) {
    EXPECT_EQ(mappedSealFamilies(),
              QStringList({"IPAPGothic", "IPAGothic", "IPAMincho", "IPAPMincho"}));
}

TEST(SealFontCheckTest, TellsWhichMappedFamiliesAreMissing) {
    const struct {
        QStringList installed;
        QStringList missing;
        bool noneInstalled;
    } cases[] = {
        {{"IPAPGothic", "IPAGothic", "IPAMincho", "IPAPMincho", "DejaVu Sans"}, {}, false},
        {{"IPAGothic"}, {"IPAPGothic", "IPAMincho", "IPAPMincho"}, false},
        {{"IPAMincho", "IPAPMincho"}, {"IPAPGothic", "IPAGothic"}, false},
        {{"DejaVu Sans", "Noto Sans"},
         {"IPAPGothic", "IPAGothic", "IPAMincho", "IPAPMincho"},
         true},
        {{}, {"IPAPGothic", "IPAGothic", "IPAMincho", "IPAPMincho"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.installed.join(',').toStdString());
        QStringList asked;
        const SealFontAvailability availability = sealFontAvailability([&](const QString& family) {
            asked.append(family);
            return c.installed.contains(family);
        });
        EXPECT_EQ(asked, mappedSealFamilies());
        EXPECT_EQ(availability.missingFamilies, c.missing);
        EXPECT_EQ(availability.installedFamilies.size() + availability.missingFamilies.size(), 4);
        EXPECT_EQ(availability.noneInstalled(), c.noneInstalled);
        // one installed face is enough: the others fall back to it, not to boxes
        EXPECT_EQ(missingSealFontsNotice(availability).empty(), !c.noneInstalled);
    }
}

TEST(SealFontCheckTest, NoticeNamesTheMissingFamiliesAndTheirPackages) {
    const std::string notice =
        missingSealFontsNotice(sealFontAvailability([](const QString&) { return false; }));
    EXPECT_EQ(notice, "warning: none of the seal fonts is installed (IPAPGothic, IPAGothic, "
                      "IPAMincho, IPAPMincho), so Japanese seal texts may show as empty boxes; "
                      "install the packages fonts-ipafont-gothic and fonts-ipafont-mincho");
    EXPECT_EQ(notice.find('\n'), std::string::npos);
}

TEST(SealFontCheckTest, AWindowSaysItOnceInItsLanguageAndOnlyWhenNoSealFontIsThere) {
    const SealFontAvailability none = sealFontAvailability([](const QString&) { return false; });
    const SealFontAvailability one =
        sealFontAvailability([](const QString& family) { return family == "IPAMincho"; });
    for (const Language language : {Language::Japanese, Language::English}) {
        RecordingPrompter prompter;
        warnOfMissingSealFonts(prompter, language, one);
        EXPECT_TRUE(prompter.messages.empty());
        warnOfMissingSealFonts(prompter, language, none);
        ASSERT_EQ(prompter.messages.size(), 1u);
        const QString text = prompter.messages.front();
        EXPECT_TRUE(text.contains("IPAPGothic, IPAGothic, IPAMincho, IPAPMincho"))
            << text.toStdString();
        EXPECT_TRUE(text.contains("fonts-ipafont-gothic")) << text.toStdString();
        EXPECT_EQ(text.contains(QStringLiteral("インストール")), language == Language::Japanese);
        // Readable even where the missing fonts leave Japanese text as boxes.
        EXPECT_TRUE(text.contains("None of the seal fonts is installed")) << text.toStdString();
    }
}

} // namespace
} // namespace vermil
