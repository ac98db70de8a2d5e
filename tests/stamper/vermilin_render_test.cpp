// The --render verb, run in-process as the program runs it, on stamp data built
// byte by byte outside this code base (tests/data/stamper/make_fixtures.py) or by hand.
#include "stamper/cli/command_line.h"
#include "stamper/document/native_data.h"
#include "tests/support/test_environment.h"
#include "tests/support/verb_home.h"
#include "tests/support/verb_run.h"

#include <QImage>

#include <gtest/gtest.h>

using vermil::test::dataFile;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::VerbRun;
using vermil::test::writeFile;

namespace {

std::string path(const std::filesystem::path& p) {
    return p.string();
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

VerbRun runVermilin(const std::vector<std::string>& arguments) {
    return vermil::test::runVerb(vermil::cli::vermilinVerbs(), arguments);
}

class VermilinRender : public ::testing::Test {
protected:
    VerbRun render(const std::string& stamp, const std::filesystem::path& out,
                   const std::vector<std::string>& extra = {}) {
        std::vector<std::string> arguments{"--render", stamp, "--out", path(out)};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return runVermilin(arguments);
    }
    vermil::test::VerbHome home;
    const std::string sealStamp = path(dataFile("stamper/SealStamp.bin"));
};

} // namespace

TEST_F(VermilinRender, SvgIsTheSealSizeInMillimetres) {
    const VerbRun run = render(sealStamp, home / "seal.svg");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string svg = readFile(home / "seal.svg");
    EXPECT_NE(svg.find("width=\"18mm\""), std::string::npos) << svg.substr(0, 400);
    EXPECT_NE(svg.find("height=\"21mm\""), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 100 100\""), std::string::npos);
}

TEST_F(VermilinRender, PngFollowsTheDpiWithTheSealColourOnTransparency) {
    // The stamp's colour is 128: dark red (red 128, green 0, blue 0).
    const VerbRun run = render(sealStamp, home / "seal.png", {"--dpi", "300"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QImage image(QString::fromStdString(path(home / "seal.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_NEAR(image.width(), 18 * 300 / 25.4, 1.0);
    EXPECT_NEAR(image.height(), 21 * 300 / 25.4, 1.0);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2 - 5)), 0);
    EXPECT_GT(countInk(image, qRgb(128, 0, 0)), 1000);
    EXPECT_EQ(countInk(image, qRgb(64, 64, 64)), 0);

    ASSERT_EQ(render(sealStamp, home / "default.png").exitCode, 0);
    QImage sharp(QString::fromStdString(path(home / "default.png")));
    EXPECT_NEAR(sharp.width(), 18 * 600 / 25.4, 1.0); // 600 dpi unless told otherwise
}

TEST_F(VermilinRender, PdfIsWritten) {
    const VerbRun run = render(sealStamp, home / "seal.PDF");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readFile(home / "seal.PDF").substr(0, 5), "%PDF-");
}

TEST_F(VermilinRender, NeverStampedObjectGivesTheGreyOutline) {
    writeFile(home / "new.stamp", neverStampedObject());
    const VerbRun run = render(path(home / "new.stamp"), home / "new.png", {"--dpi", "200"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QImage image(QString::fromStdString(path(home / "new.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(countInk(image, qRgb(64, 64, 64)), 50);
    EXPECT_EQ(countInk(image, qRgb(255, 44, 1)), 0);
}

TEST_F(VermilinRender, BadRequestsExitWithTwoAndWriteNothing) {
    const std::vector<std::string> bad[] = {
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
    for (const auto& arguments : bad) {
        const VerbRun run = runVermilin(arguments);
        EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(arguments);
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(home / "seal.png"));
    EXPECT_FALSE(std::filesystem::exists(home / "seal.gif"));
}

TEST_F(VermilinRender, ARefusedSizeIsShownInUtf8) {
    // A stored size is Shift-JIS text: full-width digits are no size.
    vermil::StampRecord stamp;
    vermil::readNativeData(readFile(dataFile("stamper/SealStamp.bin")), stamp);
    const std::size_t width = stamp.sealText.find("<X>18</X>");
    ASSERT_NE(width, std::string::npos) << stamp.sealText;
    stamp.sealText.replace(width + 3, 2, sjis("１８"));
    writeFile(home / "wide.stamp", vermil::writeNativeData(stamp));
    const VerbRun run = render(path(home / "wide.stamp"), home / "wide.png");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("the seal width \"１８\" is not a size"), std::string::npos) << run.err;
    EXPECT_FALSE(QString::fromUtf8(run.err).contains(QChar::ReplacementCharacter)) << run.err;
}
