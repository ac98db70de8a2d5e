// The exported pictures as other programs show them: the oval seal stays oval, the
// PDF page is the seal size, and the ring's whole pen is inside every picture.
#include "common/cp932.h"
#include "render/seal_clipboard.h"
#include "render/seal_fonts.h"
#include "render/seal_painter.h"
#include "render/stamp_picture.h"
#include "tests/render/independent_renderers.h"
#include "tests/render/seal_image_probe.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vermil {
namespace {

constexpr int probeDpi = 1200;
constexpr double millimetresPerInch = 25.4;
const QColor defaultRed(255, 44, 1);

class PictureExportsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { installSealFontSubstitutions(); }
};

SealDrawingInput sealWithPen(int penWidth) {
    SealDrawingInput input;
    input.upperText1 = cp932Literal("経理部");
    input.sealDateText = "5.17";
    input.lowerText = cp932Literal("山田");
    input.penWidth = penWidth;
    return input;
}

// Ink bounds of a picture drawn at `dpi`, in millimetres.
QRectF inkMillimetres(const QImage& image, int dpi) {
    const double pixelsPerMillimetre = dpi / millimetresPerInch;
    const test::SealImage picture{image, 0, 0, pixelsPerMillimetre, pixelsPerMillimetre};
    return picture.inkBounds().value_or(QRectF());
}

struct Rendering {
    const char* format;
    QImage image; // ARGB32, drawn at probeDpi
};

// Every exported picture of the seal, each drawn by the program a user's
// application would use for it.
std::vector<Rendering> everyExport(const SealDrawingInput& input, SealSize size) {
    const std::string sizeX = std::to_string(size.widthMm);
    const std::string sizeY = std::to_string(size.heightMm);
    const std::unique_ptr<QMimeData> clipboard = sealClipboardData(input, sizeX, sizeY, probeDpi);
    return {
        {"SVG file (rsvg-convert)", test::rsvgImage(containerPictureSvg(input, size), probeDpi)},
        {"PNG file",
         containerPictureImage(input, size, probeDpi).convertToFormat(QImage::Format_ARGB32)},
        {"PDF file (pdftoppm)",
         test::popplerImage(containerPicturePdf(input, size), probeDpi, defaultRed)},
        {"clipboard PNG", QImage::fromData(clipboard->data("image/png"), "PNG")
                              .convertToFormat(QImage::Format_ARGB32)},
        {"clipboard SVG (rsvg-convert)",
         test::rsvgImage(clipboard->data("image/svg+xml"), probeDpi)},
    };
}

TEST_F(PictureExportsTest, SvgShowsTheSealsWidthAndHeightInAnotherRenderer) {
    for (SealSize size : {SealSize{21, 15}, SealSize{15, 21}, SealSize{16, 16}}) {
        SCOPED_TRACE(std::to_string(size.widthMm) + " x " + std::to_string(size.heightMm));
        const QImage shown = test::rsvgImage(containerPictureSvg(sealWithPen(2), size), 600);
        ASSERT_FALSE(shown.isNull());
        const QRectF ink = inkMillimetres(shown, 600);
        EXPECT_NEAR(ink.width(), size.widthMm, 0.2);
        EXPECT_NEAR(ink.height(), size.heightMm, 0.2);
        EXPECT_NEAR(ink.center().x(), size.widthMm / 2.0, 0.1);
        EXPECT_NEAR(ink.center().y(), size.heightMm / 2.0, 0.1);
    }
}

TEST_F(PictureExportsTest, PdfPageIsExactlyTheSealSize) {
    test::TempDir folder;
    for (SealSize size : {SealSize{21, 15}, SealSize{16, 16}, SealSize{1, 1000}}) {
        SCOPED_TRACE(std::to_string(size.widthMm) + " x " + std::to_string(size.heightMm));
        const std::filesystem::path file = folder / "seal.pdf";
        test::writeFile(file, containerPicturePdf(sealWithPen(2), size).toStdString());

        const test::ToolRun info =
            test::runTool("pdfinfo", "poppler-utils", {"-box", test::pathText(file)});
        ASSERT_TRUE(info.ran);
        ASSERT_EQ(info.exitCode, 0) << info.err;
        EXPECT_TRUE(QString::fromStdString(info.out).contains(QRegularExpression("Pages:\\s+1\n")))
            << info.out;
        const QRegularExpressionMatch box =
            QRegularExpression(R"(MediaBox:\s+([-0-9.]+)\s+([-0-9.]+)\s+([0-9.]+)\s+([0-9.]+))")
                .match(QString::fromStdString(info.out));
        ASSERT_TRUE(box.hasMatch()) << info.out;
        const double millimetresPerPoint = millimetresPerInch / 72;
        EXPECT_EQ(box.captured(1).toDouble(), 0);
        EXPECT_EQ(box.captured(2).toDouble(), 0);
        EXPECT_NEAR(box.captured(3).toDouble() * millimetresPerPoint, size.widthMm, 0.05);
        EXPECT_NEAR(box.captured(4).toDouble() * millimetresPerPoint, size.heightMm, 0.05);

        const test::ToolRun check =
            test::runTool("qpdf", "qpdf", {"--check", test::pathText(file)});
        ASSERT_TRUE(check.ran);
        EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    }
}

// The seal fills each picture to its edges and no further: the picture is the seal's
// size, and the ring is as thick at its four extreme points (where it meets the
// picture's edges) as between them.
TEST_F(PictureExportsTest, EveryPictureShowsTheRingsWholePen) {
    const struct {
        SealSize size;
        int penWidth;
    } cases[] = {{{21, 15}, 2}, {{16, 16}, 5}, {{15, 21}, 3}};
    for (const auto& c : cases) {
        for (const Rendering& rendering : everyExport(sealWithPen(c.penWidth), c.size)) {
            SCOPED_TRACE(std::string(rendering.format) + ", " + std::to_string(c.size.widthMm) +
                         " x " + std::to_string(c.size.heightMm) + " mm, pen " +
                         std::to_string(c.penWidth));
            ASSERT_FALSE(rendering.image.isNull());
            const QRectF ink = inkMillimetres(rendering.image, probeDpi);
            EXPECT_NEAR(ink.width(), c.size.widthMm, 0.2);
            EXPECT_NEAR(ink.height(), c.size.heightMm, 0.2);

            double between = 0;
            for (double degrees : {45.0, 135.0, 225.0, 315.0}) {
                between += test::outermostInkThickness(rendering.image, degrees) / 4;
            }
            ASSERT_GT(between, 0);
            for (double degrees : {0.0, 90.0, 180.0, 270.0}) {
                EXPECT_NEAR(test::outermostInkThickness(rendering.image, degrees) / between, 1,
                            0.25)
                    << "at " << degrees << " degrees";
            }
        }
    }
}

TEST_F(PictureExportsTest, PictureGridGrowsByTheFramesOverhang) {
    const struct {
        int penWidth;
        const char* profile;
        QRectF grid;
    } cases[] = {
        {2, "", QRectF(-1, -1, 102, 102)},
        {5, "", QRectF(-2.5, -2.5, 105, 105)},
        // a ring inside the box: the picture is the box
        {2, "<Shape><Arc><X1>5</X1><Y1>5</Y1><X2>95</X2><Y2>95</Y2></Arc></Shape>",
         QRectF(0, 0, 100, 100)},
        // the farthest side counts, on every side: a line reaching out with its round cap
        {2,
         "<Shape><Arc><X1>5</X1><Y1>5</Y1><X2>95</X2><Y2>95</Y2></Arc><Line1><X1>-3</X1>"
         "<X2>50</X2><Pen><Width>4</Width></Pen></Line1></Shape>",
         QRectF(-5, -5, 110, 110)},
        // an absurd pen shrinks the seal to half its size at most
        {2, "<Shape><Arc><Pen><Width>2147483647</Width></Pen></Arc></Shape>",
         QRectF(-50, -50, 200, 200)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        SealDrawingInput input = sealWithPen(c.penWidth);
        input.profileText = c.profile;
        EXPECT_EQ(sealPictureGrid(input), c.grid);
    }
}

// A blank text (a seal file keeps " " for "none") in a bold face drawn with a
// pen: its empty outline must leave no dot of the pen anywhere in the picture.
TEST_F(PictureExportsTest, BlankTextsLeaveNoInk) {
    const auto inkPixels = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += qAlpha(image.pixel(x, y)) > 0;
        return count;
    };
    SealDrawingInput blank = sealWithPen(2);
    blank.upperText1 = blank.upperText2 = blank.lowerText = " ";
    blank.sealDateText = " ";
    for (SealLineFont* font : {&blank.fontUp, &blank.fontUp2, &blank.fontDate, &blank.fontLow})
        font->bold = "1";
    // The same without bold: no pen, so nothing but the ring and its lines.
    SealDrawingInput frameOnly = blank;
    for (SealLineFont* font :
         {&frameOnly.fontUp, &frameOnly.fontUp2, &frameOnly.fontDate, &frameOnly.fontLow})
        font->bold = "0";

    const std::vector<Rendering> blanks = everyExport(blank, {16, 16});
    const std::vector<Rendering> frames = everyExport(frameOnly, {16, 16});
    for (std::size_t i = 0; i < blanks.size(); ++i)
        EXPECT_EQ(inkPixels(blanks[i].image), inkPixels(frames[i].image)) << blanks[i].format;
}

} // namespace
} // namespace vermil
