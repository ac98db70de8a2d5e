#include "render/seal_clipboard.h"

#include "common/cp932.h"
#include "render/seal_fonts.h"

#include <QImage>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace vermil {
namespace {

class SealClipboardTest : public testing::Test {
protected:
    static void SetUpTestSuite() { installSealFontSubstitutions(); }
};

SealDrawingInput stamped() {
    SealDrawingInput input;
    input.upperText1 = cp932Literal("総務課");
    input.sealDateText = "2024.05.17";
    input.lowerText = cp932Literal("鈴木");
    input.copyToClipboard = true;
    return input;
}

QString svgWidth(const QByteArray& document) {
    QXmlStreamReader reader(document);
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("svg")) {
            return reader.attributes().value("width").toString();
        }
    }
    return {};
}

TEST_F(SealClipboardTest, PayloadHoldsBitmapPrintPngAndSvg) {
    const SealDrawingInput input = stamped();
    const std::unique_ptr<QMimeData> data = sealClipboardData(input, "16", "16");
    ASSERT_TRUE(data);
    ASSERT_TRUE(data->hasImage());

    const QImage bitmap = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(bitmap.size(), QSize(100, 100));
    EXPECT_EQ(QColor(bitmap.pixel(0, 0)), QColor(Qt::white)); // the window's background
    const QColor ring = bitmap.pixel(1, 50);
    EXPECT_GT(ring.red(), 200);
    EXPECT_LT(ring.green(), 150);

    // the seal at its size, ring included: 16 mm at 600 dpi
    QImage print;
    ASSERT_TRUE(print.loadFromData(data->data("image/png"), "PNG"));
    EXPECT_EQ(print.size(), QSize(378, 378));
    EXPECT_EQ(qAlpha(print.pixel(0, 0)), 0);
    EXPECT_EQ(svgWidth(data->data("image/svg+xml")), "16mm");

    const std::unique_ptr<QMimeData> coarse = sealClipboardData(input, "24", "16", 300);
    ASSERT_TRUE(print.loadFromData(coarse->data("image/png"), "PNG"));
    EXPECT_EQ(print.size(), QSize(283, 189));
}

TEST_F(SealClipboardTest, BitmapIsAlwaysHundredSquare) {
    SealDrawingInput input = stamped();
    input.fontUp.size = "";
    for (auto [sizeX, sizeY] : {std::pair{"16", "16"}, std::pair{"40", "10"}}) {
        const std::unique_ptr<QMimeData> data = sealClipboardData(input, sizeX, sizeY);
        EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(100, 100));
    }
    EXPECT_EQ(sealClipboardBitmap(input).size(), QSize(100, 100));
    EXPECT_EQ(input.fontUp.size, ""); // the clipboard pictures write nothing back
}

TEST_F(SealClipboardTest, OnlyTheBitmapWithoutASealSize) {
    const std::unique_ptr<QMimeData> data = sealClipboardData(stamped(), "abc", "16");
    EXPECT_TRUE(data->hasImage());
    EXPECT_FALSE(data->hasFormat("image/png"));
    EXPECT_FALSE(data->hasFormat("image/svg+xml"));

    // too large for a print picture at this resolution: the vector picture still goes
    const std::unique_ptr<QMimeData> huge = sealClipboardData(stamped(), "1000", "1000", 9600);
    EXPECT_FALSE(huge->hasFormat("image/png"));
    EXPECT_TRUE(huge->hasFormat("image/svg+xml"));
}

} // namespace
} // namespace vermil
