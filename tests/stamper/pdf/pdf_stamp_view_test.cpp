// The PDF page view offscreen: the page drawn at the model's size, the page keys
// and buttons, the outline under the pointer, and a click that ends in a stamped
// file. The geometry and the save dialog's rules are the model test's.
#include "stamper/pdf/ui/pdf_page_canvas.h"
#include "stamper/pdf/ui/pdf_stamp_view.h"

#include "stamper/pdf/pdf_stamp_reading.h"
#include "stamper/pdf/pdf_stamp_view_model.h"
#include "tests/stamper/pdf/pdf_stamping_fixture.h"
#include "tests/support/tab_cycle.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::PdfStampingFixture;

namespace {

struct ViewUnderTest {
    explicit ViewUnderTest(const std::vector<test::TinyPage>& pages,
                           const std::string& language = "English")
        : f(language) {
        input = f.writePdf("report.pdf", pages);
        EXPECT_TRUE(model.open(input));
        view.emplace(model, f.chooser);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&*view));
    }
    // Where the page point (xMm, yMm) shows on the canvas.
    QPoint pointAt(double xMm, double yMm) const {
        return (QPointF(xMm, yMm) * model.zoom().pixelsPerMm()).toPoint();
    }

    PdfStampingFixture f;
    std::filesystem::path input;
    PdfStampViewModel model{*f.document, f.prompter, f.taker};
    std::optional<CPdfStampView> view;
};

TEST(CPdfStampView, PageKeysAndButtonsTurnThePagesItDraws) {
    ViewUnderTest t({{210, 297, 0, {}}, {100, 200, 90, {}}, {50, 60, 0, {}}});
    CPdfStampView& view = *t.view;
    EXPECT_EQ(view.windowTitle(), "Stamp PDF - report.pdf");
    EXPECT_EQ(view.pageLabel()->text(), "1 / 3");
    EXPECT_FALSE(view.previousButton()->isEnabled());
    // The view opens with the whole page in sight.
    EXPECT_EQ(view.canvas()->size(), t.model.pagePixels());
    EXPECT_FALSE(view.canvas()->pageImage().isNull());

    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(view.pageLabel()->text(), "2 / 3");
    // The turned page is drawn as the reader shows it: landscape, with the band
    // along the top of its media box now down the right-hand side.
    EXPECT_GT(view.canvas()->width(), view.canvas()->height());
    const QImage& image = view.canvas()->pageImage();
    // Paper is left transparent: the canvas lays the page on white.
    const auto isBand = [&image](int x, int y) {
        const QRgb pixel = image.pixel(x, y);
        return qAlpha(pixel) > 200 && qGray(pixel) < 235;
    };
    EXPECT_TRUE(isBand(image.width() - 3, image.height() / 2));
    EXPECT_FALSE(isBand(image.width() / 2, 3));
    QTest::keyClick(view.canvas(), Qt::Key_PageDown);
    EXPECT_EQ(view.pageLabel()->text(), "3 / 3");
    EXPECT_FALSE(view.nextButton()->isEnabled());
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(t.model.page(), 3);
    QTest::keyClick(&view, Qt::Key_PageUp);
    QTest::mouseClick(view.previousButton(), Qt::LeftButton);
    EXPECT_EQ(view.pageLabel()->text(), "1 / 3");

    const QSize fitted = view.canvas()->size();
    QTest::mouseClick(view.zoomInButton(), Qt::LeftButton);
    EXPECT_GT(view.canvas()->width(), fitted.width());
    QTest::mouseClick(view.fitButton(), Qt::LeftButton);
    EXPECT_EQ(view.canvas()->size(), fitted);
}

TEST(CPdfStampView, TheOutlineFollowsThePointerAndTurnsGreyAtTheEdge) {
    ViewUnderTest t(std::vector<test::TinyPage>(1));
    CPdfStampView& view = *t.view;
    QTest::mouseMove(view.canvas(), t.pointAt(100, 100));
    ASSERT_TRUE(view.canvas()->pointer());
    EXPECT_EQ(view.hintLabel()->text(), "Click where the seal goes.");
    // Red ink where the ring passes: the seal's left edge on its middle line.
    const QImage shown = view.canvas()->grab().toImage();
    const QPoint ring = t.pointAt(100 - 10.5, 100);
    const qreal ratio = shown.devicePixelRatio();
    bool red = false;
    for (int dx = -2; dx <= 2; ++dx) {
        const QColor c = shown.pixelColor(int((ring.x() + dx) * ratio), int(ring.y() * ratio));
        red = red || (c.red() > 180 && c.green() < 120 && c.blue() < 120);
    }
    EXPECT_TRUE(red);
    QTest::mouseMove(view.canvas(), t.pointAt(3, 100));
    EXPECT_EQ(view.hintLabel()->text(), "The seal would stick out of the page here.");
}

TEST(CPdfStampView, AClickOnThePageStampsWhereItWasAndShowsTheStampedPdf) {
    ViewUnderTest t({{}, {100, 200, 270, {}}}, "Japanese");
    CPdfStampView& view = *t.view;
    EXPECT_EQ(view.nextButton()->text(), "次のページ(&N)");
    QTest::keyClick(&view, Qt::Key_PageDown);
    const std::filesystem::path out = t.f.dir / "stamped.pdf";
    t.f.chooser.answers = {QString::fromStdString(out.string())};
    const QPoint click = t.pointAt(120, 50);
    QTest::mouseClick(view.canvas(), Qt::LeftButton, Qt::NoModifier, click);

    EXPECT_EQ(t.f.taker.calls, 1);
    EXPECT_EQ(view.windowTitle(), "PDFに押印 - stamped.pdf");
    EXPECT_EQ(view.pageLabel()->text(), "2 / 2");
    auto read = readPdfStamps(out);
    ASSERT_TRUE(std::holds_alternative<std::vector<PdfStampFound>>(read));
    const auto& stamps = std::get<std::vector<PdfStampFound>>(read);
    ASSERT_EQ(stamps.size(), 1u);
    const double pixelsPerMm = t.model.zoom().pixelsPerMm();
    EXPECT_EQ(stamps[0].page, 2);
    EXPECT_NEAR(stamps[0].xMm, click.x() / pixelsPerMm - 10.5, 0.3);
    EXPECT_NEAR(stamps[0].yMm, click.y() / pixelsPerMm - 7.5, 0.3);
}

TEST(CPdfStampView, TabGoesOnceRoundItsControlsInReadingOrder) {
    ViewUnderTest t({{}, {100, 200, 0, {}}, {}});
    QTest::keyClick(&*t.view, Qt::Key_PageDown); // every page button enabled
    test::expectOneTabRoundInReadingOrder(*t.view, "PDF page view");
}

} // namespace
