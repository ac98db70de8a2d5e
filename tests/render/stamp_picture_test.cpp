#include "render/stamp_picture.h"

#include "common/cp932.h"
#include "render/seal_fonts.h"
#include "tests/render/seal_image_probe.h"
#include "tests/support/test_environment.h"

#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <string>

namespace vermil {
namespace {

class StampPictureTest : public testing::Test {
protected:
    static void SetUpTestSuite() { installSealFontSubstitutions(); }
};

SealDrawingInput keiriYamada() {
    SealDrawingInput input;
    input.upperText1 = cp932Literal("経理部");
    input.sealDateText = cp932Literal("'24.05.17");
    input.lowerText = cp932Literal("山田");
    return input;
}

struct SvgRoot {
    QString width;
    QString height;
    QString viewBox;
};

SvgRoot svgRoot(const QByteArray& document) {
    QXmlStreamReader reader(document);
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("svg")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            return {attributes.value("width").toString(), attributes.value("height").toString(),
                    attributes.value("viewBox").toString()};
        }
    }
    return {};
}

test::SealImage svgAsImage(const QByteArray& document, QSize size) {
    QSvgRenderer renderer(document);
    QImage image = test::transparentCanvas(size);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    return {image.convertToFormat(QImage::Format_ARGB32), 0, 0, size.width() / 100.0,
            size.height() / 100.0};
}

test::SealImage pngAsImage(const std::string& bytes) {
    QImage image;
    image.loadFromData(QByteArray::fromStdString(bytes), "PNG");
    image = image.convertToFormat(QImage::Format_ARGB32);
    return {image, 0, 0, image.width() / 100.0, image.height() / 100.0};
}

TEST_F(StampPictureTest, SvgIsTheSealSizeInMillimetres) {
    test::TempDir folder;
    for (SealSize size : {SealSize{16, 16}, SealSize{24, 16}, SealSize{19, 21}}) {
        const std::filesystem::path out = folder / "seal.svg";
        ASSERT_EQ(writeStampPicture(keiriYamada(), std::to_string(size.widthMm),
                                    std::to_string(size.heightMm), out),
                  "");
        const QByteArray document = QByteArray::fromStdString(test::readFile(out));
        const SvgRoot root = svgRoot(document);
        EXPECT_EQ(root.width, QString::number(size.widthMm) + "mm");
        EXPECT_EQ(root.height, QString::number(size.heightMm) + "mm");
        EXPECT_EQ(root.viewBox, "0 0 100 100");
        // texts are outlines: the picture needs no fonts where it is shown
        EXPECT_FALSE(document.contains("<text"));
    }
}

TEST_F(StampPictureTest, SvgShowsWhatThePngShows) {
    const SealDrawingInput input = keiriYamada();
    const QByteArray document = containerPictureSvg(input, {16, 16});
    const test::SealImage fromSvg = svgAsImage(document, QSize(378, 378));
    const QImage png = containerPictureImage(input, {16, 16}, 600);
    const test::SealImage fromPng{png.convertToFormat(QImage::Format_ARGB32), 0, 0, 3.78, 3.78};

    EXPECT_NEAR(double(fromSvg.inkAmount()) / fromPng.inkAmount(), 1.0, 0.03);
    for (const test::SealImage* seal : {&fromSvg, &fromPng}) {
        EXPECT_EQ(QColor(seal->image.pixel(seal->pixelAt(0.2, 50))), QColor(255, 44, 1));
        const std::optional<QRectF> upper = seal->inkBounds(QRectF(10, 5, 80, 28));
        ASSERT_TRUE(upper);
        EXPECT_NEAR(upper->center().x(), 50, 1);
    }
}

TEST_F(StampPictureTest, PngPixelSizeFollowsTheResolution) {
    test::TempDir folder;
    const struct {
        const char* sizeX;
        const char* sizeY;
        int dpi;
        QSize pixels;
    } cases[] = {
        {"16", "16", 600, {378, 378}},  {"16", "16", 300, {189, 189}},
        {"16", "16", 1200, {756, 756}}, {"24", "16", 600, {567, 378}},
        {"19", "19", 72, {54, 54}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        const std::filesystem::path out = folder / "seal.PNG";
        ASSERT_EQ(writeStampPicture(keiriYamada(), c.sizeX, c.sizeY, out, c.dpi), "");
        QImage image;
        ASSERT_TRUE(image.loadFromData(QByteArray::fromStdString(test::readFile(out)), "PNG"));
        EXPECT_EQ(image.size(), c.pixels);
        EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, c.dpi, 0.5);
    }
}

TEST_F(StampPictureTest, PngShowsRedRingAndTextOnTransparentBackground) {
    test::TempDir folder;
    ASSERT_EQ(writeStampPicture(keiriYamada(), "16", "16", folder / "seal.png"), "");
    const test::SealImage seal = pngAsImage(test::readFile(folder / "seal.png"));
    ASSERT_EQ(seal.image.size(), QSize(378, 378));
    EXPECT_TRUE(seal.image.hasAlphaChannel());
    for (QPoint corner : {QPoint(0, 0), QPoint(377, 0), QPoint(0, 377), QPoint(377, 377)}) {
        EXPECT_EQ(qAlpha(seal.image.pixel(corner)), 0);
    }
    const QColor red(255, 44, 1);
    EXPECT_EQ(QColor(seal.image.pixel(seal.pixelAt(0.3, 50))), red); // ring
    EXPECT_EQ(QColor(seal.image.pixel(seal.pixelAt(50, 34))), red);  // band line
    EXPECT_EQ(qAlpha(seal.image.pixel(seal.pixelAt(50, 36.5))), 0);  // gap under the line
    // a text in each band, centred
    for (const QRectF& band :
         {QRectF(5, 5, 90, 28), QRectF(5, 36, 90, 28), QRectF(5, 68, 90, 28)}) {
        const std::optional<QRectF> ink = seal.inkBounds(band);
        ASSERT_TRUE(ink);
        EXPECT_NEAR(ink->center().x(), 50, 1.5);
        EXPECT_GT(ink->width(), 25);
    }
}

TEST_F(StampPictureTest, UnstampedObjectGivesTheDottedOutline) {
    SealDrawingInput unstamped;
    unstamped.sealDateText = "2024.05.17";
    const QImage image =
        containerPictureImage(unstamped, {16, 16}, 600).convertToFormat(QImage::Format_ARGB32);
    int grey = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255) {
                ASSERT_EQ(QColor(pixel), QColor(64, 64, 64));
                ++grey;
            }
        }
    }
    // a dotted line as wide as a screen pixel, not a faint print hairline
    EXPECT_GT(grey, 2000);
}

TEST_F(StampPictureTest, PdfPageIsTheSealSize) {
    test::TempDir folder;
    const struct {
        const char* sizeX;
        const char* sizeY;
    } cases[] = {{"16", "16"}, {"24", "16"}, {"16", "30"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sizeX + std::string("x") + c.sizeY);
        ASSERT_EQ(writeStampPicture(keiriYamada(), c.sizeX, c.sizeY, folder / "seal.pdf"), "");
        const QByteArray document = QByteArray::fromStdString(test::readFile(folder / "seal.pdf"));
        EXPECT_TRUE(document.startsWith("%PDF-"));
        const QRegularExpressionMatch box =
            QRegularExpression(R"(/MediaBox \[ ?0 0 ([0-9.]+) ([0-9.]+) ?\])")
                .match(QString::fromLatin1(document));
        ASSERT_TRUE(box.hasMatch());
        const double millimetresPerPoint = 25.4 / 72;
        // the page is the seal size, not rounded to whole points
        EXPECT_NEAR(box.captured(1).toDouble() * millimetresPerPoint, std::stod(c.sizeX), 0.05);
        EXPECT_NEAR(box.captured(2).toDouble() * millimetresPerPoint, std::stod(c.sizeY), 0.05);
        EXPECT_EQ(document.count("/Type /Page\n") + document.count("/Type /Page "), 1);
    }
}

TEST_F(StampPictureTest, RefusesWhatItCannotWriteAndKeepsTheOldFile) {
    test::TempDir folder;
    const struct {
        const char* file;
        const char* sizeX;
        const char* sizeY;
        int dpi;
        const char* message;
    } cases[] = {
        {"seal.jpg", "16", "16", 600, "name it .svg, .png or .pdf"},
        {"seal", "16", "16", 600, "name it .svg, .png or .pdf"},
        {"seal.png", "0", "16", 600, "the seal width \"0\" is not a size from 1 to 1000 mm"},
        {"seal.svg", "16", "abc", 600, "the seal height \"abc\" is not a size from 1 to 1000 mm"},
        {"seal.pdf", "1001", "16", 600, "the seal width \"1001\" is not a size"},
        {"seal.png", "16", "16", 0, "the resolution 0 dpi is not from 10 to 9600"},
        {"seal.png", "16", "16", 100000, "the resolution 100000 dpi is not from 10 to 9600"},
        {"seal.png", "1000", "1000", 9600, "pixels is too large"},
        {"missing/seal.png", "16", "16", 600, "cannot write "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::filesystem::path out = folder / c.file;
        if (out.parent_path() == folder.path()) {
            test::writeFile(out, "old");
        }
        const std::string error = writeStampPicture(keiriYamada(), c.sizeX, c.sizeY, out, c.dpi);
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
        if (out.parent_path() == folder.path()) {
            EXPECT_EQ(test::readFile(out), "old");
        } else {
            EXPECT_NE(error.find(out.string()), std::string::npos) << error;
            EXPECT_FALSE(std::filesystem::exists(out));
        }
    }
}

} // namespace
} // namespace vermil
