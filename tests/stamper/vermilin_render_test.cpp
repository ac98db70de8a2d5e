// The --render verb run as a program, without a display, on stamp data built byte
// by byte outside this code base (tests/data/stamper/make_fixtures.py) or by hand.
#include "stamper/document/native_data.h"
#include "tests/stamper/vermilin_process.h"
#include "tests/support/test_environment.h"

#include <QImage>

#include <gtest/gtest.h>

using vermil::test::dataFile;
using vermil::test::ProgramRun;
using vermil::test::readFile;
using vermil::test::runVermilin;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

QString path(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

// Counts pixels by what a person sees: opaque ink of one colour, within a tolerance.
int countInk(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) > 200 && std::abs(qRed(p) - qRed(colour)) < 40 &&
                std::abs(qGreen(p) - qGreen(colour)) < 40 &&
                std::abs(qBlue(p) - qBlue(colour)) < 40)
                ++count;
        }
    return count;
}

// Thirteen items of a stamp that was never made: eight empty texts, the type code
// 10 as a 32-bit little-endian integer, four empty texts.
std::string neverStampedObject() {
    return std::string(8, '\0') + std::string("\x0A\0\0\0", 4) + std::string(4, '\0');
}

class VermilinRender : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef VERMILIN_PROGRAM
        GTEST_SKIP() << "the vermilin program is not built";
#endif
    }
    ProgramRun render(const QString& stamp, const std::filesystem::path& out,
                      QStringList extra = {}) {
        return runVermilin(home, QStringList{"--render", stamp, "--out", path(out)} + extra);
    }
    TempDir home;
    const QString sealStamp = path(dataFile("stamper/SealStamp.bin"));
};

} // namespace

TEST_F(VermilinRender, SvgIsTheSealSizeInMillimetres) {
    const ProgramRun run = render(sealStamp, home / "seal.svg");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string svg = readFile(home / "seal.svg");
    EXPECT_NE(svg.find("width=\"18mm\""), std::string::npos) << svg.substr(0, 400);
    EXPECT_NE(svg.find("height=\"21mm\""), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 100 100\""), std::string::npos);
}

TEST_F(VermilinRender, PngFollowsTheDpiWithTheSealColourOnTransparency) {
    // The stamp's colour is 128: dark red (red 128, green 0, blue 0).
    const ProgramRun run = render(sealStamp, home / "seal.png", {"--dpi", "300"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QImage image(path(home / "seal.png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_NEAR(image.width(), 18 * 300 / 25.4, 1.0);
    EXPECT_NEAR(image.height(), 21 * 300 / 25.4, 1.0);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2 - 5)), 0);
    EXPECT_GT(countInk(image, qRgb(128, 0, 0)), 1000);
    EXPECT_EQ(countInk(image, qRgb(64, 64, 64)), 0);

    ASSERT_EQ(render(sealStamp, home / "default.png").exitCode, 0);
    QImage sharp(path(home / "default.png"));
    EXPECT_NEAR(sharp.width(), 18 * 600 / 25.4, 1.0); // 600 dpi unless told otherwise
}

TEST_F(VermilinRender, PdfIsWritten) {
    const ProgramRun run = render(sealStamp, home / "seal.PDF");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readFile(home / "seal.PDF").substr(0, 5), "%PDF-");
}

TEST_F(VermilinRender, NeverStampedObjectGivesTheGreyOutline) {
    writeFile(home / "new.stamp", neverStampedObject());
    const ProgramRun run = render(path(home / "new.stamp"), home / "new.png", {"--dpi", "200"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QImage image(path(home / "new.png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(countInk(image, qRgb(64, 64, 64)), 50);
    EXPECT_EQ(countInk(image, qRgb(255, 44, 1)), 0);
}

TEST_F(VermilinRender, BadRequestsExitWithTwoAndWriteNothing) {
    const QStringList bad[] = {
        {"--render", sealStamp, "--out", path(home / "seal.gif")},
        {"--render", sealStamp, "--out", path(home / "seal.png"), "--dpi", "0"},
        {"--render", sealStamp, "--out", path(home / "seal.png"), "--dpi", "300x"},
        {"--render", sealStamp, "--dpi", "300", "--out"},
        {"--render", sealStamp, "--size", "3", "--out", path(home / "seal.png")},
        {"--render", path(home / "missing.bin"), "--out", path(home / "seal.png")},
        {"--render", path(dataFile("stamper/TruncatedStamp.bin")), "--out",
         path(home / "seal.png")},
        {"--render", sealStamp},
    };
    for (const QStringList& arguments : bad) {
        const ProgramRun run = runVermilin(home, arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(home / "seal.png"));
    EXPECT_FALSE(std::filesystem::exists(home / "seal.gif"));
}

TEST_F(VermilinRender, SaysOnceWhenNoSealFontIsInstalled) {
    const std::string notice = "vermilin: warning: none of the seal fonts is installed (";
    const ProgramRun withFonts = render(sealStamp, home / "fonts.png");
    ASSERT_EQ(withFonts.exitCode, 0) << withFonts.err;
    EXPECT_EQ(withFonts.err.find(notice), std::string::npos) << withFonts.err;

    // A font configuration that forgets every font folder: no face at all.
    writeFile(home / ".config/fontconfig/fonts.conf",
              "<?xml version=\"1.0\"?>\n<fontconfig><reset-dirs/></fontconfig>\n");
    const ProgramRun bare = render(sealStamp, home / "bare.png");
    EXPECT_EQ(bare.exitCode, 0) << bare.err; // the picture is still made
    EXPECT_TRUE(std::filesystem::exists(home / "bare.png"));
    const std::size_t at = bare.err.find(notice);
    ASSERT_NE(at, std::string::npos) << bare.err;
    EXPECT_EQ(bare.err.find(notice, at + 1), std::string::npos) << bare.err;
    EXPECT_NE(bare.err.find("fonts-ipafont-gothic and fonts-ipafont-mincho\n", at),
              std::string::npos)
        << bare.err;
}

TEST_F(VermilinRender, ARefusedSizeIsShownInUtf8) {
    // A stored size is Shift-JIS text: full-width digits are no size.
    vermil::StampRecord stamp;
    vermil::readNativeData(readFile(dataFile("stamper/SealStamp.bin")), stamp);
    const std::size_t width = stamp.sealText.find("<X>18</X>");
    ASSERT_NE(width, std::string::npos) << stamp.sealText;
    stamp.sealText.replace(width + 3, 2, sjis("１８"));
    writeFile(home / "wide.stamp", vermil::writeNativeData(stamp));
    const ProgramRun run = render(path(home / "wide.stamp"), home / "wide.png");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("the seal width \"１８\" is not a size"), std::string::npos) << run.err;
    EXPECT_FALSE(QString::fromUtf8(run.err).contains(QChar::ReplacementCharacter)) << run.err;
}
