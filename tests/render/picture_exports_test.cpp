// The exported pictures as other programs show them: the oval seal stays oval, the
// PDF page is the seal size.
#include "common/cp932.h"
#include "render/seal_fonts.h"
#include "render/stamp_picture.h"
#include "tests/render/independent_renderers.h"
#include "tests/render/seal_image_probe.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <string>

namespace vermil {
namespace {

constexpr double millimetresPerInch = 25.4;

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

} // namespace
} // namespace vermil
