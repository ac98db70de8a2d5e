// Stamping PDFs made in the test, looked at with poppler and qpdf: the seal lands
// upright where it was asked for on rotated, cropped and inherited pages, the
// document keeps its pages and text, and every PDF that must not be stamped is
// refused before anything is written.
#include "pdf_tool_views.h"
#include "test_pdfs.h"

#include "stamper/pdf/pdf_stamp_reading.h"
#include "stamper/pdf/pdf_stamping.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <gtest/gtest.h>

namespace vermil {
namespace {

using test::a4HeightPt;
using test::a4WidthPt;
using test::TestPage;
using test::TestPdfKind;

constexpr double pointsPerMm = 72.0 / 25.4;
// Where the ink may lie off the asked place: a pixel at the test resolution and
// the anti-aliased edge.
constexpr double toleranceMm = 0.3;

// A seal picture as the stamping program makes one: a page exactly the seal size,
// here filled red to the edges.
std::string redSealPdf(double widthMm, double heightMm) {
    QPDF pdf;
    pdf.emptyPDF();
    const std::string w = std::to_string(widthMm * pointsPerMm);
    const std::string h = std::to_string(heightMm * pointsPerMm);
    QPDFObjectHandle page = QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 " + w + " " + h +
                                                    "] /Resources << >> >>");
    page.replaceKey("/Contents",
                    QPDFObjectHandle::newStream(&pdf, "1 0 0 rg 0 0 " + w + " " + h + " re f\n"));
    QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(page)), false);
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.write();
    auto buffer = writer.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

PdfSeal testSeal(double widthMm, double heightMm, std::string nativeData = "stamp object") {
    PdfSeal seal;
    seal.picturePdf = redSealPdf(widthMm, heightMm);
    seal.widthMm = widthMm;
    seal.heightMm = heightMm;
    seal.nativeData = std::move(nativeData);
    seal.attachmentName = "経理部長-20261210-142000.vrs";
    return seal;
}

PdfToStamp opened(std::string bytes) {
    auto result = PdfToStamp::fromBytes(std::move(bytes));
    if (auto* problem = std::get_if<PdfProblem>(&result))
        ADD_FAILURE() << pdfProblemMessage(*problem, "test.pdf", Language::English);
    return std::move(std::get<PdfToStamp>(result));
}

void expectInkAt(const std::filesystem::path& pdf, int page, const QRectF& expected) {
    const std::optional<QRectF> ink = test::redInkMm(test::renderedPage(pdf, page));
    ASSERT_TRUE(ink) << "no red ink on page " << page;
    EXPECT_NEAR(ink->left(), expected.left(), toleranceMm) << "page " << page;
    EXPECT_NEAR(ink->top(), expected.top(), toleranceMm) << "page " << page;
    EXPECT_NEAR(ink->right(), expected.right(), toleranceMm) << "page " << page;
    EXPECT_NEAR(ink->bottom(), expected.bottom(), toleranceMm) << "page " << page;
}

struct PlacementCase {
    const char* name;
    std::vector<TestPage> pages;
    TestPdfKind kind;
    PdfPlacement at;
    double sealWidthMm;
    double sealHeightMm;
    PdfPageSize shownSize; // the visible page as a reader shows it
};

std::vector<PlacementCase> placementCases() {
    const PdfPageSize a4{210, 297}, a4Landscape{297, 210};
    const PdfPageSize crop{350 / pointsPerMm, 440 / pointsPerMm};
    const PdfPageSize cropTurned{crop.heightMm, crop.widthMm};
    return {
        {"OnePage", {TestPage{}}, TestPdfKind::Plain, {1, 30, 40}, 21, 15, a4},
        {"SecondOfTwoPages",
         {TestPage{}, TestPage{}},
         TestPdfKind::Plain,
         {2, 150, 250},
         16,
         16,
         a4},
        {"Rotated90",
         {test::rotatedPage(90)},
         TestPdfKind::Plain,
         {1, 250, 20},
         21,
         15,
         a4Landscape},
        {"Rotated180", {test::rotatedPage(180)}, TestPdfKind::Plain, {1, 20, 30}, 21, 15, a4},
        {"Rotated270",
         {test::rotatedPage(270)},
         TestPdfKind::Plain,
         {1, 10, 150},
         21,
         15,
         a4Landscape},
        {"RotatedMinus90",
         {test::rotatedPage(-90)},
         TestPdfKind::Plain,
         {1, 10, 150},
         21,
         15,
         a4Landscape},
        {"CropBoxWithOffset", {test::croppedPage()}, TestPdfKind::Plain, {1, 10, 20}, 18, 18, crop},
        {"RotatedCropBox",
         {test::croppedPage(90)},
         TestPdfKind::Plain,
         {1, 100, 5},
         21,
         15,
         cropTurned},
        {"InheritedResources",
         {TestPage{}, TestPage{}},
         TestPdfKind::InheritedResources,
         {1, 60, 200},
         16,
         16,
         a4},
        {"SharedResources",
         {TestPage{}, TestPage{}},
         TestPdfKind::SharedResources,
         {2, 0, 0},
         16,
         16,
         a4},
        {"AtTheBottomRightCorner",
         {TestPage{}},
         TestPdfKind::Plain,
         {1, 210 - 21, 297 - 15},
         21,
         15,
         a4},
    };
}

class PdfPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PdfPlacementTest, TheSealStandsWhereItWasPutAndNothingElseChanges) {
    const PlacementCase& c = GetParam();
    test::TempDir folder;
    const std::string input = test::makeTestPdf(c.pages, c.kind);
    test::writeFile(folder / "in.pdf", input);
    PdfToStamp pdf = opened(input);
    ASSERT_EQ(pdf.pageCount(), static_cast<int>(c.pages.size()));
    EXPECT_NEAR(pdf.pageSize(c.at.page).widthMm, c.shownSize.widthMm, 0.01);
    EXPECT_NEAR(pdf.pageSize(c.at.page).heightMm, c.shownSize.heightMm, 0.01);

    test::writeFile(folder / "out.pdf", pdf.stamp(testSeal(c.sealWidthMm, c.sealHeightMm), c.at));

    const test::ToolRun check = test::qpdfCheck(folder / "out.pdf");
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    EXPECT_EQ(test::pdfPageCount(folder / "out.pdf"), static_cast<int>(c.pages.size()));
    EXPECT_EQ(test::pdfText(folder / "out.pdf"), test::pdfText(folder / "in.pdf"));
    EXPECT_EQ(test::pdfImageCount(folder / "out.pdf"), 0);
    for (int page = 1; page <= pdf.pageCount(); ++page) {
        if (page == c.at.page)
            expectInkAt(folder / "out.pdf", page,
                        QRectF(c.at.xMm, c.at.yMm, c.sealWidthMm, c.sealHeightMm));
        else
            EXPECT_FALSE(test::redInkMm(test::renderedPage(folder / "out.pdf", page)))
                << "red ink on page " << page;
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, PdfPlacementTest, ::testing::ValuesIn(placementCases()),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(PdfStamping, ASecondStampAddsASecondSealAndBothTravelWithThePdf) {
    test::TempDir folder;
    PdfToStamp first = opened(test::makeTestPdf({TestPage{}, test::rotatedPage(90)}));
    test::writeFile(folder / "once.pdf", first.stamp(testSeal(16, 16, "first"), {1, 20, 30}));

    PdfToStamp again = opened(test::readFile(folder / "once.pdf"));
    test::writeFile(folder / "twice.pdf", again.stamp(testSeal(21, 15, "second"), {2, 100, 50}));

    expectInkAt(folder / "twice.pdf", 1, QRectF(20, 30, 16, 16));
    expectInkAt(folder / "twice.pdf", 2, QRectF(100, 50, 21, 15));
    auto read = readPdfStamps(folder / "twice.pdf");
    ASSERT_TRUE(std::holds_alternative<std::vector<PdfStampFound>>(read));
    const auto& stamps = std::get<std::vector<PdfStampFound>>(read);
    ASSERT_EQ(stamps.size(), 2u);
    EXPECT_EQ(stamps[0].nativeData, "first");
    EXPECT_EQ(stamps[0].page, 1);
    EXPECT_DOUBLE_EQ(stamps[0].xMm, 20);
    EXPECT_DOUBLE_EQ(stamps[0].yMm, 30);
    EXPECT_EQ(stamps[1].nativeData, "second");
    EXPECT_EQ(stamps[1].page, 2);
    EXPECT_EQ(stamps[1].attachmentName, "経理部長-20261210-142000.vrs");
}

TEST(PdfStamping, APdfWithoutStampsSaysSo) {
    auto read = readPdfStampsFromBytes(test::makeTestPdf({TestPage{}}));
    ASSERT_TRUE(std::holds_alternative<PdfProblem>(read));
    EXPECT_EQ(std::get<PdfProblem>(read).refusal, PdfRefusal::NoStamps);
}

struct RefusalCase {
    const char* name;
    std::string bytes;
    PdfRefusal refusal;
};

std::vector<RefusalCase> openRefusals() {
    const std::string good = test::makeTestPdf({TestPage{}});
    return {
        {"NotAPdf", "Approval request\r\n", PdfRefusal::NotPdf},
        {"Empty", "", PdfRefusal::NotPdf},
        {"HeaderOnly", "%PDF-1.7\n%garbage without objects\n", PdfRefusal::Damaged},
        {"BrokenPageTree",
         "%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n"
         "2 0 obj << /Type /Pages /Kids [3 0 R] /Count 1 >> endobj\n"
         "trailer << /Root 1 0 R >>\n%%EOF\n",
         PdfRefusal::Damaged},
        {"Encrypted", test::makeTestPdf({TestPage{}}, TestPdfKind::Encrypted),
         PdfRefusal::Encrypted},
        {"Signed", test::makeTestPdf({TestPage{}}, TestPdfKind::Signed), PdfRefusal::Signed},
    };
}

TEST(PdfStamping, PdfsThatMustNotBeStampedAreRefusedOnOpening) {
    for (RefusalCase& c : openRefusals()) {
        auto result = PdfToStamp::fromBytes(c.bytes);
        ASSERT_TRUE(std::holds_alternative<PdfProblem>(result)) << c.name;
        EXPECT_EQ(std::get<PdfProblem>(result).refusal, c.refusal) << c.name;
        for (Language language : {Language::English, Language::Japanese})
            EXPECT_NE(
                pdfProblemMessage(std::get<PdfProblem>(result), "in.pdf", language).find("in.pdf"),
                std::string::npos)
                << c.name;
    }
}

TEST(PdfStamping, ASealThatWouldStickOutOfThePageOrANoPageIsRefused) {
    PdfToStamp pdf =
        opened(test::makeTestPdf({TestPage{}, test::rotatedPage(90), test::croppedPage()}));
    const struct {
        PdfPlacement at;
        PdfRefusal refusal;
    } cases[] = {
        {{0, 10, 10}, PdfRefusal::PageOutOfRange},
        {{4, 10, 10}, PdfRefusal::PageOutOfRange},
        {{1, -1, 10}, PdfRefusal::OutsidePage},
        {{1, 10, -0.5}, PdfRefusal::OutsidePage},
        {{1, 190, 10}, PdfRefusal::OutsidePage}, // 190 + 21 > 210
        {{1, 10, 283}, PdfRefusal::OutsidePage}, // 283 + 15 > 297
        {{2, 10, 200}, PdfRefusal::OutsidePage}, // shown 297 x 210: 200 + 15 > 210
        {{3, 110, 10}, PdfRefusal::OutsidePage}, // the crop box is 123.5 mm wide
        {{1, std::numeric_limits<double>::quiet_NaN(), 10}, PdfRefusal::OutsidePage},
    };
    for (const auto& c : cases) {
        const auto problem = pdf.placementProblem(c.at, 21, 15);
        ASSERT_TRUE(problem) << c.at.page << " " << c.at.xMm << " " << c.at.yMm;
        EXPECT_EQ(problem->refusal, c.refusal) << c.at.page << " " << c.at.xMm << " " << c.at.yMm;
        EXPECT_THROW(pdf.stamp(testSeal(21, 15), c.at), PdfStampFailure);
    }
    EXPECT_FALSE(pdf.placementProblem({2, 270, 190}, 21, 15)); // fits the turned page
    EXPECT_EQ(pdf.placementProblem({4, 1, 1}, 21, 15)->pageCount, 3);
}

// A stamped copy whose attached stamp another program replaced with 17 MiB of
// zeros: compressed, a few kilobytes.
std::string withOversizedStamp(const std::string& stamped) {
    QPDF pdf;
    pdf.processMemoryFile("stamped.pdf", stamped.data(), stamped.size());
    QPDFObjectHandle names = pdf.getRoot().getKey("/Names").getKey("/EmbeddedFiles");
    QPDFObjectHandle file = names.getKey("/Names").getArrayItem(1);
    file.getKey("/EF").getKey("/F").replaceStreamData(
        std::string(17 << 20, '\0'), QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.write();
    auto buffer = writer.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

TEST(PdfStamping, AnAttachedStampLargerThanAStampObjectCanBeIsNotRead) {
    PdfToStamp pdf = opened(test::makeTestPdf({TestPage{}}));
    const std::string bomb = withOversizedStamp(pdf.stamp(testSeal(16, 16), {1, 10, 10}));
    ASSERT_LT(bomb.size(), 1u << 20);
    auto read = readPdfStampsFromBytes(bomb);
    ASSERT_TRUE(std::holds_alternative<PdfProblem>(read));
    EXPECT_EQ(std::get<PdfProblem>(read).refusal, PdfRefusal::Damaged);
    // Nor is one written that could not be read back.
    PdfToStamp other = opened(test::makeTestPdf({TestPage{}}));
    EXPECT_THROW(other.stamp(testSeal(16, 16, std::string(17 << 20, 's')), {1, 10, 10}),
                 PdfStampFailure);
}

} // namespace
} // namespace vermil
