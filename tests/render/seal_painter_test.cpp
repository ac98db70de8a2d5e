#include "render/seal_painter.h"

#include "common/cp932.h"
#include "render/seal_fonts.h"
#include "tests/render/seal_image_probe.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

namespace vermil {
namespace {

using test::renderInContainer;
using test::renderOnScreen;
using test::SealImage;

// Ten pixels per grid unit on the screen (grid -1..101) and in the container.
const QSize screenClient(1020, 1020);
const QSize containerViewport(1000, 1000);

class SealPainterTest : public testing::Test {
protected:
    static void SetUpTestSuite() { installSealFontSubstitutions(); }
};

// Counts the pixels with ink, failing when one of them is not of `colour`. Edges are
// partly covered: their colour is only as exact as their coverage allows.
int pixelsOfColour(const SealImage& seal, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < seal.image.height(); ++y) {
        for (int x = 0; x < seal.image.width(); ++x) {
            const QRgb pixel = seal.image.pixel(x, y);
            if (qAlpha(pixel) == 0) {
                continue;
            }
            ++count;
            const double tolerance = 2 + 255.0 / qAlpha(pixel);
            if (std::abs(qRed(pixel) - colour.red()) > tolerance ||
                std::abs(qGreen(pixel) - colour.green()) > tolerance ||
                std::abs(qBlue(pixel) - colour.blue()) > tolerance) {
                ADD_FAILURE() << "pixel " << x << "," << y << " has colour "
                              << QColor(pixel).name().toStdString() << " at alpha "
                              << qAlpha(pixel);
                return count;
            }
        }
    }
    return count;
}

// A stamp with no texts but the frame: only the lines show.
SealDrawingInput frameOnly(std::string profile = {}) {
    SealDrawingInput input;
    input.profileText = std::move(profile);
    return input;
}

// A stamp with one text and no frame (pen width 0 and an empty profile).
SealDrawingInput textOnly(std::string SealDrawingInput::*field, const std::string& text,
                          std::string size = "30") {
    SealDrawingInput input;
    input.penWidth = 0;
    input.*field = text;
    input.fontUp.size = input.fontUp2.size = input.fontDate.size = input.fontLow.size = size;
    return input;
}

TEST_F(SealPainterTest, DefaultLayoutFromEmptyProfile) {
    SealDrawingInput input = frameOnly();
    const SealImage seal = renderOnScreen(input, screenClient);

    // the ring's pen is centred on the seal box, so its ink reaches the client edges
    const std::optional<QRectF> all = seal.inkBounds();
    ASSERT_TRUE(all);
    EXPECT_NEAR(all->left(), -1, 0.15);
    EXPECT_NEAR(all->right(), 101, 0.15);
    EXPECT_NEAR(all->top(), -1, 0.15);
    EXPECT_NEAR(all->bottom(), 101, 0.15);
    EXPECT_TRUE(seal.inkAt(0, 50));
    EXPECT_TRUE(seal.inkAt(50, 100.5));
    EXPECT_FALSE(seal.inkAt(1.5, 50)); // ring width 2: ink from -1 to 1

    for (double y : {34.0, 66.0}) {
        SCOPED_TRACE(y);
        const std::optional<QRectF> band = seal.inkBounds(QRectF(10, y - 3, 80, 6));
        ASSERT_TRUE(band);
        EXPECT_NEAR(band->top(), y - 1, 0.15);
        EXPECT_NEAR(band->bottom(), y + 1, 0.15);
        EXPECT_TRUE(seal.inkAt(5.5, y));
        EXPECT_TRUE(seal.inkAt(94.5, y));
    }
    EXPECT_FALSE(seal.inkAt(50, 31));   // band line 3
    EXPECT_FALSE(seal.inkAt(50, 68.3)); // band line 4
    EXPECT_FALSE(seal.inkAt(4, 50));    // inner ring
    EXPECT_FALSE(seal.inkAt(96, 50));
    EXPECT_FALSE(seal.inkAt(50, 50)); // no date text when it is empty
}

TEST_F(SealPainterTest, BandLinesRunFromFiveToNinetyFive) {
    // without the ring the ends of the lines stand free; round ends add half the width
    SealDrawingInput input = frameOnly("<Shape><Arc><Pen><Width>0</Width></Pen></Arc></Shape>");
    const SealImage seal = renderOnScreen(input, screenClient);
    for (double y : {34.0, 66.0}) {
        const std::optional<QRectF> band = seal.inkBounds(QRectF(-1, y - 3, 102, 6));
        ASSERT_TRUE(band);
        EXPECT_NEAR(band->left(), 4, 0.15);
        EXPECT_NEAR(band->right(), 96, 0.15);
    }
}

TEST_F(SealPainterTest, ProfileFiguresChangeWhatIsDrawn) {
    struct Case {
        std::string shape;
        QPointF point;
        bool ink;
    };
    const Case cases[] = {
        {"<Arc2><Pen><Width>1</Width></Pen></Arc2>", {4, 50}, true},
        {"<Arc2><Pen><Width>1</Width></Pen></Arc2>", {50, 95.8}, true},
        {"<Line1><Pen><Width>0</Width></Pen></Line1>", {50, 34}, false},
        {"<Line1><Pen><Width>0</Width></Pen></Line1>", {50, 66}, true},
        {"<Line2><Pen><Width>-3</Width></Pen></Line2>", {50, 66}, false},
        {"<Line3><Pen><Width>1</Width></Pen></Line3>", {50, 31}, true},
        {"<Line4><Pen><Width>1</Width></Pen></Line4>", {50, 68.3}, true},
        {"<Line1><Y1>10</Y1><Y2>10</Y2></Line1>", {50, 10}, true},
        {"<Line1><Y1>10</Y1><Y2>10</Y2></Line1>", {50, 34}, false},
        // rings take the rectangle from either pair of corners
        {"<Arc><X1>80</X1><Y1>80</Y1><X2>20</X2><Y2>20</Y2></Arc>", {20, 50}, true},
        {"<Arc><X1>80</X1><Y1>80</Y1><X2>20</X2><Y2>20</Y2></Arc>", {0, 50}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shape);
        SealDrawingInput input = frameOnly("<Shape>" + c.shape + "</Shape>");
        const SealImage seal = renderOnScreen(input, screenClient);
        EXPECT_EQ(seal.inkAt(c.point.x(), c.point.y()), c.ink);
    }
}

TEST_F(SealPainterTest, TextsSitAtTheirAnchorsWithTheirAlignment) {
    // "HH" has no descender: its ink bottom is the base line, its top the cap height.
    const double size = 30;
    struct Case {
        const char* name;
        std::string SealDrawingInput::*field;
        double anchorY;
        double minBottom, maxBottom; // where the ink may end, from the anchor, in sizes
        double minTop, maxTop;       // where the ink may begin
    };
    const Case cases[] = {
        // bottom of the text cell at the anchor: the base line lies above it
        {"upper text 2", &SealDrawingInput::upperText2, 20, -0.3, -0.1, -1.0, -0.6},
        {"upper text 1", &SealDrawingInput::upperText1, 32, -0.3, -0.1, -1.0, -0.6},
        // the base line on the anchor
        {"seal date", &SealDrawingInput::sealDateText, 57, -0.02, 0.02, -0.8, -0.65},
        // top of the text cell at the anchor: the capitals start below it
        {"lower text", &SealDrawingInput::lowerText, 70, 0.8, 1.0, 0.05, 0.3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SealDrawingInput input = textOnly(c.field, "HH");
        const SealImage seal = renderOnScreen(input, screenClient);
        const std::optional<QRectF> ink = seal.inkBounds();
        ASSERT_TRUE(ink);
        EXPECT_NEAR(ink->center().x(), 50, 0.5);
        EXPECT_GE(ink->bottom(), c.anchorY + c.minBottom * size);
        EXPECT_LE(ink->bottom(), c.anchorY + c.maxBottom * size);
        EXPECT_GE(ink->top(), c.anchorY + c.minTop * size);
        EXPECT_LE(ink->top(), c.anchorY + c.maxTop * size);
    }
}

TEST_F(SealPainterTest, AnchorsComeFromTheProfile) {
    SealDrawingInput input = textOnly(&SealDrawingInput::sealDateText, "HH");
    input.profileText = "<Date><X>30</X><Y>80</Y></Date>";
    const std::optional<QRectF> ink = renderOnScreen(input, screenClient).inkBounds();
    ASSERT_TRUE(ink);
    EXPECT_NEAR(ink->center().x(), 30, 0.5);
    EXPECT_NEAR(ink->bottom(), 80, 0.3);
}

TEST_F(SealPainterTest, SizeIsTheCharacterHeight) {
    // Capitals of the seal faces are about 0.7 of the character (em) height.
    for (int size : {10, 40}) {
        SCOPED_TRACE(size);
        SealDrawingInput input =
            textOnly(&SealDrawingInput::sealDateText, "H", std::to_string(size));
        const std::optional<QRectF> ink = renderOnScreen(input, screenClient).inkBounds();
        ASSERT_TRUE(ink);
        EXPECT_GT(ink->height(), 0.65 * size);
        EXPECT_LT(ink->height(), 0.8 * size);
    }
    // A negative size asks for the height of the whole text cell, which is larger
    // than the character height: the same number draws smaller.
    SealDrawingInput em = textOnly(&SealDrawingInput::sealDateText, "H", "40");
    SealDrawingInput cell = textOnly(&SealDrawingInput::sealDateText, "H", "-40");
    const double emHeight = renderOnScreen(em, screenClient).inkBounds()->height();
    const double cellHeight = renderOnScreen(cell, screenClient).inkBounds()->height();
    EXPECT_LT(cellHeight, emHeight * 0.97);
    EXPECT_GT(cellHeight, emHeight * 0.8);
}

TEST_F(SealPainterTest, ScreenWritesAutomaticSizesBack) {
    SealDrawingInput input;
    input.upperText1 = cp932Literal("経理部");  // 6 bytes
    input.lowerText = "ABCDEFGHIJKLMNOPQRSTUV"; // 22 bytes
    input.fontLow.size = "abc";                 // not a number: automatic
    input.fontDate.size = "0";                  // the date's own automatic size
    input.fontUp2.size = "";                    // upper text 2 empty: skipped
    SealDrawingInput explicitSizes = input;
    explicitSizes.fontUp.size = "18";
    explicitSizes.fontLow.size = "3";
    explicitSizes.fontDate.size = "18";

    const SealDrawingInput beforeContainer = input;
    renderInContainer(input, containerViewport);
    EXPECT_EQ(input.fontUp.size, beforeContainer.fontUp.size);
    EXPECT_EQ(input.fontLow.size, "abc");

    const SealImage automatic = renderOnScreen(input, screenClient);
    EXPECT_EQ(input.fontUp.size, "18");
    EXPECT_EQ(input.fontLow.size, "3");
    EXPECT_EQ(input.fontDate.size, "18");
    EXPECT_EQ(input.fontUp2.size, "");

    // the automatic sizes draw exactly as the same sizes given explicitly
    const SealImage given = renderOnScreen(explicitSizes, screenClient);
    EXPECT_EQ(automatic.image, given.image);
    EXPECT_EQ(explicitSizes.fontUp.size, "18");

    // Settling without painting writes what the screen would.
    SealDrawingInput settled = beforeContainer;
    settleAutomaticSizes(settled);
    EXPECT_EQ(settled.fontUp.size, "18");
    EXPECT_EQ(settled.fontLow.size, "3");
    EXPECT_EQ(settled.fontDate.size, "18");
    EXPECT_EQ(settled.fontUp2.size, "");

    // a size given keeps its text
    SealDrawingInput sized;
    sized.upperText1 = "A";
    sized.fontUp.size = "12abc";
    renderOnScreen(sized, screenClient);
    EXPECT_EQ(sized.fontUp.size, "12abc");
}

TEST_F(SealPainterTest, PlaceholderOnlyInContainerWhenSealTextsAreEmpty) {
    SealDrawingInput unstamped;
    unstamped.sealDateText = "2024.05.17"; // the date does not count

    const SealImage container = renderInContainer(unstamped, containerViewport);
    EXPECT_GT(pixelsOfColour(container, QColor(64, 64, 64)), 1000);
    // the outline of the ring and of band lines 1 and 2, and no date text
    EXPECT_TRUE(container.inkBounds(QRectF(0, 45, 3, 10)));
    EXPECT_TRUE(container.inkBounds(QRectF(40, 33, 20, 2)));
    EXPECT_TRUE(container.inkBounds(QRectF(40, 65, 20, 2)));
    EXPECT_FALSE(container.inkBounds(QRectF(10, 40, 80, 20)));

    const SealImage screen = renderOnScreen(unstamped, screenClient);
    EXPECT_EQ(QColor(screen.image.pixel(screen.pixelAt(0, 50))), QColor(255, 44, 1));
    EXPECT_TRUE(screen.inkBounds(QRectF(10, 40, 80, 20)));

    for (auto field : {&SealDrawingInput::upperText1, &SealDrawingInput::upperText2,
                       &SealDrawingInput::lowerText}) {
        SealDrawingInput stamped = unstamped;
        stamped.*field = "A";
        const SealImage seal = renderInContainer(stamped, containerViewport);
        EXPECT_EQ(QColor(seal.image.pixel(seal.pixelAt(0.5, 50))), QColor(255, 44, 1));
        EXPECT_TRUE(seal.inkBounds(QRectF(10, 40, 80, 20))); // the date now shows
    }
}

TEST_F(SealPainterTest, ContainerFillsTheCallersViewport) {
    SealDrawingInput input;
    input.lowerText = "A";
    QImage image = test::transparentCanvas(QSize(600, 400));
    {
        QPainter painter(&image);
        painter.setViewport(100, 50, 200, 300);
        paintSealInContainer(painter, input);
    }
    const SealImage seal{image.convertToFormat(QImage::Format_ARGB32), 100, 50, 2, 3};
    const std::optional<QRectF> ink = seal.inkBounds();
    ASSERT_TRUE(ink);
    // the ring's whole pen is inside the viewport and reaches its edges
    EXPECT_NEAR(ink->left(), 0, 0.6);
    EXPECT_NEAR(ink->right(), 100, 0.6);
    EXPECT_NEAR(ink->top(), 0, 0.4);
    EXPECT_NEAR(ink->bottom(), 100, 0.4);
}

TEST_F(SealPainterTest, WideBoxStretchesRingAndText) {
    SealDrawingInput input = textOnly(&SealDrawingInput::sealDateText, "HH");
    input.penWidth = 2;
    const SealImage square = renderOnScreen(input, screenClient);
    const SealImage wide = renderOnScreen(input, QSize(2040, 1020));

    // in grid units both look the same: the ring fills the box, the text keeps its place
    for (const SealImage* seal : {&square, &wide}) {
        const std::optional<QRectF> ring = seal->inkBounds();
        ASSERT_TRUE(ring);
        EXPECT_NEAR(ring->width(), 102, 0.3);
        EXPECT_NEAR(ring->height(), 102, 0.3);
    }
    const QRectF band(20, 36, 60, 28);
    const QRectF squareText = *square.inkBounds(band);
    const QRectF wideText = *wide.inkBounds(band);
    EXPECT_NEAR(wideText.width(), squareText.width(), 0.3);
    EXPECT_NEAR(wideText.height(), squareText.height(), 0.2);
    // in pixels the wide one is twice as wide and as high as before
    EXPECT_NEAR(wide.image.width() / double(wide.image.height()), 2.0, 1e-9);
    EXPECT_TRUE(wide.inkAt(50, 0));
    EXPECT_TRUE(wide.inkAt(0, 50));
}

TEST_F(SealPainterTest, EveryLineAndTextIsInTheSealColour) {
    SealDrawingInput input;
    input.upperText2 = "XY";
    input.upperText1 = cp932Literal("経理部");
    input.sealDateText = "2024.05.17";
    input.lowerText = cp932Literal("山田");
    input.profileText = "<Shape><Arc2><Pen><Width>1</Width></Pen></Arc2><Line3><Pen><Width>1"
                        "</Width></Pen></Line3><Line4><Pen><Width>1</Width></Pen></Line4></Shape>"
                        "<Up2><X>50</X><Y>20</Y></Up2><Up1><X>50</X><Y>32</Y></Up1><Date><X>50"
                        "</X><Y>57</Y></Date><Low1><X>50</X><Y>70</Y></Low1>";
    input.colour = 0x00336699; // blue 0x33, green 0x66, red 0x99
    input.fontUp.bold = "1";   // widened glyphs too

    for (const SealImage& seal :
         {renderOnScreen(input, screenClient), renderInContainer(input, containerViewport)}) {
        EXPECT_GT(pixelsOfColour(seal, QColor(0x99, 0x66, 0x33)), 100000);
        // every element shows: inner ring, lines 3 and 4, all four texts
        EXPECT_TRUE(seal.inkAt(4, 50));
        EXPECT_TRUE(seal.inkAt(50, 31));
        EXPECT_TRUE(seal.inkAt(50, 68));
        for (const QRectF& text : {QRectF(35, 5, 30, 14), QRectF(20, 18, 60, 12),
                                   QRectF(20, 42, 60, 14), QRectF(25, 72, 50, 20)}) {
            EXPECT_TRUE(seal.inkBounds(text));
        }
    }
    EXPECT_EQ(sealColour(77055), QColor(255, 44, 1));
    EXPECT_EQ(sealColour(0xFF0000), QColor(0, 0, 255));
}

TEST_F(SealPainterTest, BoldOnlyForExactlyOne) {
    auto inkOf = [](const std::string& bold) {
        SealDrawingInput input = textOnly(&SealDrawingInput::upperText1, cp932Literal("経理部"));
        input.fontUp.bold = bold;
        return renderOnScreen(input, screenClient).inkAmount();
    };
    const long long normal = inkOf("0");
    EXPECT_GT(inkOf("1"), normal * 11 / 10);
    for (const std::string bold : {"true", "01", "", " 1", "1 "}) {
        EXPECT_EQ(inkOf(bold), normal) << '"' << bold << '"';
    }
}

TEST_F(SealPainterTest, JapaneseTextDrawsGlyphsNotBoxes) {
    // Distinct characters give distinct ink; missing glyphs would all be the same box.
    auto inkOf = [](const char* utf8) {
        SealDrawingInput input = textOnly(&SealDrawingInput::lowerText, cp932Literal(utf8), "40");
        return renderOnScreen(input, screenClient).image;
    };
    const QImage yama = inkOf("山");
    const QImage ta = inkOf("田");
    const QImage kei = inkOf("経");
    EXPECT_NE(yama, ta);
    EXPECT_NE(ta, kei);
    EXPECT_NE(yama, kei);
}

TEST_F(SealPainterTest, HostileValuesDrawWithoutHarm) {
    SealDrawingInput input;
    input.upperText1 = std::string("\x81", 1); // a lead byte with nothing after it
    input.upperText2 = std::string(5000, 'W');
    input.lowerText = std::string("\xFF\xFE\x00\x82", 4);
    input.sealDateText = "2024";
    input.fontUp.size = "99999999999";
    input.fontUp2.size = "-2147483648";
    input.fontDate.size = "2147483647";
    input.fontLow.name = std::string(300, '\x82');
    input.penWidth = INT_MAX;
    input.profileText = "<Shape><Arc><X1>-2147483648</X1><Y1>2147483647</Y1><Pen><Width>"
                        "2147483647</Width></Pen></Arc><Line1><X1>2147483647</X1><X2>"
                        "-2147483648</X2><Pen><Width>1</Width></Pen></Line1></Shape><Up1><X>"
                        "2147483647</X><Y>-2147483648</Y></Up1>";
    for (QSize client : {QSize(200, 200), QSize(0, 0), QSize(1, 300)}) {
        SealDrawingInput screen = input;
        QImage image = test::transparentCanvas(client.isEmpty() ? QSize(1, 1) : client);
        QPainter painter(&image);
        paintSealOnScreen(painter, client, screen);
        EXPECT_EQ(screen.fontDate.size, "2147483647");
    }
    renderInContainer(input, QSize(200, 200));
}

} // namespace
} // namespace vermil
