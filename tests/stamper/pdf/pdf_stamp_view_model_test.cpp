// The PDF page view without its widgets: pointer and page millimetres at every
// zoom and rotation, where the seal fits, paging, and a click's whole stamp with
// the save dialog's answers.
#include "stamper/pdf/pdf_stamp_view_model.h"

#include "stamper/pdf/pdf_seal.h"
#include "stamper/pdf/pdf_stamp_reading.h"
#include "stamper/pdf/pdf_stamp_view_texts.h"
#include "stamper/pdf/stamped_pdf_saving.h"
#include "tests/stamper/pdf/pdf_stamping_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vermil {
namespace {

using test::PdfStampingFixture;
using test::TinyPage;
using Placed = PdfStampViewModel::Placed;

// Where on the page image the point (xMm, yMm) shows.
QPointF pointerAt(const PdfStampViewModel& model, double xMm, double yMm) {
    return QPointF(xMm, yMm) * model.zoom().pixelsPerMm();
}

class PdfStampViewModelTest : public ::testing::Test {
protected:
    // Opened with its first page shown at zoom 1.
    PdfStampViewModel& openModel(const std::vector<TinyPage>& pages) {
        input = f.writePdf("report.pdf", pages);
        model = std::make_unique<PdfStampViewModel>(*f.document, f.prompter, f.taker);
        EXPECT_TRUE(model->open(input));
        return *model;
    }

    PdfStampingFixture f;
    std::filesystem::path input;
    std::unique_ptr<PdfStampViewModel> model;
};

TEST_F(PdfStampViewModelTest, PointerAndMillimetresAgreeAtEveryZoomAndRotation) {
    struct Case {
        TinyPage page;
        double widthMm, heightMm; // as a reader shows the page
    };
    const Case cases[] = {
        {{100, 200, 0, {}}, 100, 200},
        {{100, 200, 90, {}}, 200, 100},
        {{100, 200, 270, {}}, 200, 100},
        {{100, 200, 0, std::vector<double>{10, 20, 90, 150}}, 80, 130},
        {{100, 200, 90, std::vector<double>{10, 20, 90, 150}}, 130, 80},
    };
    for (const Case& c : cases) {
        PdfStampViewModel& m = openModel({c.page});
        for (double zoom : {0.5, 1.0, 2.5}) {
            SCOPED_TRACE(testing::Message() << "rotate " << c.page.rotate << " zoom " << zoom);
            m.setZoom(zoom);
            EXPECT_NEAR(m.pageSize().widthMm, c.widthMm, 0.01);
            EXPECT_NEAR(m.pageSize().heightMm, c.heightMm, 0.01);
            EXPECT_EQ(m.pagePixels(), QSize(std::lround(c.widthMm * zoom * 96 / 25.4),
                                            std::lround(c.heightMm * zoom * 96 / 25.4)));
            // The seal's centre lies under the pointer: the placement is its top-left corner.
            const PdfPlacement at = m.placementAt(pointerAt(m, 40, 30));
            EXPECT_EQ(at.page, 1);
            EXPECT_NEAR(at.xMm, 40 - 21.0 / 2, 1e-9);
            EXPECT_NEAR(at.yMm, 30 - 15.0 / 2, 1e-9);
            const QRectF box = m.outlineAt(pointerAt(m, 40, 30)).pixels;
            EXPECT_NEAR(box.width(), 21 * zoom * 96 / 25.4, 1e-9);
            EXPECT_NEAR(box.center().x(), pointerAt(m, 40, 30).x(), 1e-9);
            // The far corner of the visible page: the seal fits just inside and
            // not a bit further out, whichever way the page is turned.
            const double x = c.widthMm - 21.0 / 2, y = c.heightMm - 15.0 / 2;
            EXPECT_TRUE(m.outlineAt(pointerAt(m, x - 0.1, y - 0.1)).fits);
            EXPECT_FALSE(m.outlineAt(pointerAt(m, x + 0.5, y - 0.1)).fits);
            EXPECT_FALSE(m.outlineAt(pointerAt(m, x - 0.1, y + 0.5)).fits);
        }
    }
}

TEST_F(PdfStampViewModelTest, TheSealFitsOnlyWhollyOnThePage) {
    PdfStampViewModel& m = openModel({{100, 100, 0, {}}});
    struct Case {
        double xMm, yMm; // the pointer
        bool fits;
    };
    const Case cases[] = {
        {50, 50, true},    {10.6, 7.6, true},  {10.0, 50, false},
        {50, 7.0, false},  {89.4, 92.4, true}, {90.0, 50, false},
        {50, 93.0, false}, {-5, -5, false},    {500, 500, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.xMm << ", " << c.yMm);
        EXPECT_EQ(m.outlineAt(pointerAt(m, c.xMm, c.yMm)).fits, c.fits);
        EXPECT_EQ(m.hintAt(pointerAt(m, c.xMm, c.yMm)),
                  c.fits ? "Click where the seal goes."
                         : "The seal would stick out of the page here.");
    }
    // A click where it does not fit does nothing at all.
    EXPECT_EQ(m.placeAt(pointerAt(m, 2, 2), f.chooser), Placed::Refused);
    EXPECT_EQ(f.taker.calls, 0);
    EXPECT_TRUE(f.chooser.asked.empty());
}

TEST_F(PdfStampViewModelTest, PagesTurnWithinTheDocumentAndKeepTheirOwnSizes) {
    PdfStampViewModel& m = openModel({{210, 297, 0, {}}, {100, 200, 90, {}}, {50, 60, 0, {}}});
    EXPECT_EQ(m.pageCount(), 3);
    EXPECT_EQ(m.pageLabel(), "1 / 3");
    EXPECT_FALSE(m.canGoBack());
    m.previousPage();
    EXPECT_EQ(m.page(), 1);
    m.nextPage();
    EXPECT_EQ(m.pageLabel(), "2 / 3");
    EXPECT_NEAR(m.pageSize().widthMm, 200, 0.01);
    EXPECT_EQ(m.placementAt(pointerAt(m, 50, 50)).page, 2);
    m.nextPage();
    m.nextPage();
    EXPECT_EQ(m.page(), 3);
    EXPECT_FALSE(m.canGoForward());
    m.setPage(-4);
    EXPECT_EQ(m.page(), 1);
    m.setPage(99);
    EXPECT_EQ(m.pageLabel(), "3 / 3");
}

TEST_F(PdfStampViewModelTest, ZoomStepsFitsAndStaysWithinMemoryOnHugePages) {
    PdfStampViewModel& m = openModel({{210, 297, 0, {}}, {5000, 5000, 0, {}}});
    m.zoomIn();
    EXPECT_DOUBLE_EQ(m.zoom().factor(), 1.25);
    m.zoomOut();
    m.zoomOut();
    EXPECT_DOUBLE_EQ(m.zoom().factor(), 0.8);
    m.fitTo(QSizeF(400, 800)); // the width decides
    EXPECT_EQ(m.pagePixels().width(), 400);
    EXPECT_LE(m.pagePixels().height(), 800);
    for (int i = 0; i < 40; ++i)
        m.zoomIn();
    // Even an A4 page stops short of the largest zoom: its image would not fit in memory.
    EXPECT_FALSE(m.zoom().canZoomIn());
    EXPECT_GT(m.zoom().factor(), 3);
    EXPECT_LE(double(m.pagePixels().width()) * m.pagePixels().height(),
              PdfViewZoom::maxPagePixels * 1.001);
    // A page of five metres square comes down to an image a screen can hold.
    m.nextPage();
    const QSize huge = m.pagePixels();
    EXPECT_LE(double(huge.width()) * huge.height(), PdfViewZoom::maxPagePixels * 1.001);
    m.zoomIn();
    EXPECT_EQ(m.pagePixels(), huge);
}

TEST_F(PdfStampViewModelTest, OpeningAsksForAnExistingPdfAndReportsARefusal) {
    PdfStampViewModel m(*f.document, f.prompter, f.taker);
    EXPECT_FALSE(m.chooseAndOpen(f.chooser)); // cancelled
    ASSERT_EQ(f.chooser.asked.size(), 1u);
    const FileChoice& asked = f.chooser.asked.front();
    EXPECT_EQ(asked.purpose, FileChoice::Purpose::Open);
    EXPECT_TRUE(asked.mustExist);
    EXPECT_EQ(asked.filter, "PDF (*.pdf)");
    EXPECT_EQ(asked.title, "Open the PDF to Stamp");
    EXPECT_TRUE(f.prompter.messages.isEmpty());

    const std::filesystem::path notPdf = f.dir / "notes.pdf";
    test::writeFile(notPdf, "just some text");
    f.chooser.answers.push_back(QString::fromStdString(notPdf.string()));
    EXPECT_FALSE(m.chooseAndOpen(f.chooser));
    EXPECT_FALSE(m.isOpen());
    PdfProblem problem;
    problem.refusal = PdfRefusal::NotPdf;
    ASSERT_EQ(f.prompter.messages.size(), 1);
    EXPECT_EQ(f.prompter.messages.front().toStdString(),
              pdfProblemMessage(problem, notPdf.string(), Language::English));
    EXPECT_EQ(f.taker.calls, 0);
}

TEST(PdfStampViewLanguage, TheViewSpeaksTheSettingsLanguage) {
    PdfStampingFixture f("Japanese");
    PdfStampViewModel m(*f.document, f.prompter, f.taker);
    const std::filesystem::path notPdf = f.dir / "メモ.pdf";
    test::writeFile(notPdf, "%PDX");
    ASSERT_FALSE(m.open(notPdf));
    PdfProblem problem;
    problem.refusal = PdfRefusal::NotPdf;
    ASSERT_EQ(f.prompter.messages.size(), 1);
    EXPECT_EQ(f.prompter.messages.front().toStdString(),
              pdfProblemMessage(problem, notPdf.string(), Language::Japanese));
    ASSERT_TRUE(m.open(f.writePdf("報告.pdf", {{}, {}})));
    EXPECT_EQ(m.windowTitle(), "PDFに押印 - 報告.pdf");
    EXPECT_EQ(m.hintAt(QPointF(300, 300)), "押印する位置をクリックしてください。");
}

TEST_F(PdfStampViewModelTest, TheOutlineHasTheSizeOfTheSealUsedLast) {
    PdfStampViewModel& m = openModel({{}});
    EXPECT_DOUBLE_EQ(m.sealSize().widthMm, 21);
    EXPECT_DOUBLE_EQ(m.sealSize().heightMm, 15);
    // No seal of that name listed: the stamp's own size.
    f.document->setLastSeal("gone");
    const PdfStampViewModel other(*f.document, f.prompter, f.taker);
    EXPECT_DOUBLE_EQ(other.sealSize().widthMm, 16);
    EXPECT_DOUBLE_EQ(other.sealSize().heightMm, 16);
}

// The stamps in a file, in page millimetres.
std::vector<PdfStampFound> stampsIn(const std::filesystem::path& file) {
    auto read = readPdfStamps(file);
    if (auto* problem = std::get_if<PdfProblem>(&read)) {
        ADD_FAILURE() << "no stamps read: " << int(problem->refusal) << " " << problem->detail;
        return {};
    }
    return std::get<std::vector<PdfStampFound>>(read);
}

TEST_F(PdfStampViewModelTest, AClickStampsSavesAndShowsTheStampedPdfThenStampsAgain) {
    PdfStampViewModel& m = openModel({{}, {100, 200, 90, {}}});
    const std::string before = test::readFile(input);
    m.nextPage();
    m.setZoom(1.5);
    const std::filesystem::path out = f.dir / "out.pdf";
    f.chooser.answers = {QString::fromStdString(out.string()),
                         QString::fromStdString(out.string())};

    ASSERT_EQ(m.placeAt(pointerAt(m, 60, 40), f.chooser), Placed::Saved);
    EXPECT_EQ(f.taker.calls, 1);
    ASSERT_EQ(f.chooser.asked.size(), 1u);
    const FileChoice& asked = f.chooser.asked.front();
    EXPECT_EQ(asked.purpose, FileChoice::Purpose::Save);
    EXPECT_EQ(asked.title, "Save the Stamped PDF");
    EXPECT_EQ(asked.initialName.toStdString(),
              proposedStampedPdfPath(input, Language::English).string());
    EXPECT_EQ(test::readFile(input), before); // never written
    EXPECT_EQ(m.file(), out);
    EXPECT_EQ(m.page(), 2); // the stamped page shows
    EXPECT_EQ(m.windowTitle(), "Stamp PDF - out.pdf");
    EXPECT_EQ(f.document->lastSeal(), "small");

    // A second click stamps the stamped PDF again; the proposal stays beside the input.
    ASSERT_EQ(m.placeAt(pointerAt(m, 150, 60), f.chooser), Placed::Saved);
    EXPECT_EQ(f.chooser.asked.back().initialName, f.chooser.asked.front().initialName);
    const std::vector<PdfStampFound> stamps = stampsIn(out);
    ASSERT_EQ(stamps.size(), 2u);
    const double expected[2][2] = {{60 - 10.5, 40 - 7.5}, {150 - 10.5, 60 - 7.5}};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(stamps[i].page, 2);
        EXPECT_NEAR(stamps[i].xMm, expected[i][0], 0.3);
        EXPECT_NEAR(stamps[i].yMm, expected[i][1], 0.3);
    }
    EXPECT_TRUE(f.prompter.messages.isEmpty()) << f.prompter.messages.join("|").toStdString();
}

TEST_F(PdfStampViewModelTest, ACancelledSealDialogChangesNothing) {
    PdfStampViewModel& m = openModel({{}});
    f.taker.seal.reset();
    EXPECT_EQ(m.placeAt(pointerAt(m, 100, 100), f.chooser), Placed::Cancelled);
    EXPECT_TRUE(f.chooser.asked.empty());
    EXPECT_EQ(m.file(), input);
    EXPECT_TRUE(m.mayClose());
    EXPECT_TRUE(f.prompter.questions.isEmpty());
}

TEST_F(PdfStampViewModelTest, ADiscardedStampLeavesThePdfAsItWasForTheNextStamp) {
    PdfStampViewModel& m = openModel({{}});
    f.prompter.answers = {true}; // discard
    EXPECT_EQ(m.placeAt(pointerAt(m, 100, 100), f.chooser), Placed::Discarded);
    ASSERT_EQ(f.prompter.questions.size(), 1);
    EXPECT_EQ(f.prompter.questions.front(),
              PdfStampViewTexts::of(Language::English).discardStampedPdf);
    EXPECT_EQ(m.file(), input);

    // The seal discarded is not in the next stamped PDF.
    const std::filesystem::path out = f.dir / "out.pdf";
    f.chooser.answers = {QString::fromStdString(out.string())};
    ASSERT_EQ(m.placeAt(pointerAt(m, 50, 50), f.chooser), Placed::Saved);
    const std::vector<PdfStampFound> stamps = stampsIn(out);
    ASSERT_EQ(stamps.size(), 1u);
    EXPECT_NEAR(stamps[0].xMm, 50 - 10.5, 0.3);
}

TEST_F(PdfStampViewModelTest, ASealTooLargeForThePlaceWaitsForAnotherClick) {
    PdfStampViewModel& m = openModel({{}});
    f.taker.seal = "large";
    EXPECT_EQ(m.placeAt(pointerAt(m, 15, 15), f.chooser), Placed::DoesNotFit);
    ASSERT_EQ(f.prompter.messages.size(), 1);
    EXPECT_EQ(f.prompter.messages.front(),
              "The 60 x 60 mm seal would stick out of the page there. Click where it should go.");
    EXPECT_TRUE(f.chooser.asked.empty());
    // The outline is the seal's size now, and the next click places it without a new stamp.
    EXPECT_DOUBLE_EQ(m.sealSize().widthMm, 60);
    EXPECT_EQ(m.hintAt(pointerAt(m, 100, 100)), "Click where the seal you stamped goes.");
    EXPECT_FALSE(m.mayClose()); // the user keeps the view: the stamp is logged
    const std::filesystem::path out = f.dir / "out.pdf";
    f.chooser.answers = {QString::fromStdString(out.string())};
    ASSERT_EQ(m.placeAt(pointerAt(m, 100, 100), f.chooser), Placed::Saved);
    EXPECT_EQ(f.taker.calls, 1);
    const std::vector<PdfStampFound> stamps = stampsIn(out);
    ASSERT_EQ(stamps.size(), 1u);
    EXPECT_NEAR(stamps[0].xMm, 100 - 30, 0.3);
    EXPECT_NEAR(stamps[0].yMm, 100 - 30, 0.3);
    // The seal used last is the large one now.
    EXPECT_DOUBLE_EQ(m.sealSize().widthMm, 60);
    EXPECT_TRUE(m.mayClose());
}

// The save dialog's answers, from a cancel to a failed write.
TEST(StampedPdfSaving, NothingMadeIsLostWithoutTheUserSaying) {
    test::TempDir dir;
    const std::filesystem::path input = dir / "report.pdf";
    test::writeFile(input, "%PDF-1.4 original");
    const std::filesystem::path out = dir / "report-stamped.pdf";
    const QString outName = QString::fromStdString(out.string());
    const QString unwritable = QString::fromStdString((dir / "missing" / "x.pdf").string());
    const PdfStampViewTexts& texts = PdfStampViewTexts::of(Language::English);
    struct Case {
        const char* what;
        std::deque<std::optional<QString>> files;
        std::deque<bool> discard;
        bool saved;
        int questions;
        int messages;
    };
    const Case cases[] = {
        {"saved at once", {outName}, {}, true, 0, 0},
        {"cancel, then discard", {std::nullopt}, {true}, false, 1, 0},
        {"cancel, keep, then save", {std::nullopt, outName}, {false}, true, 1, 0},
        {"cancel, keep, cancel, discard", {std::nullopt, std::nullopt}, {false, true}, false, 2, 0},
        {"write fails, then save", {unwritable, outName}, {}, true, 0, 1},
        {"write fails, then discard", {unwritable, std::nullopt}, {true}, false, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(out);
        RecordingPrompter prompter;
        prompter.defaultAnswer = true; // a wrong script ends instead of asking for ever
        prompter.answers = c.discard;
        RecordingFileChooser chooser;
        chooser.answers = c.files;
        const auto saved =
            saveStampedPdf("%PDF-1.4 stamped", input, Language::English, prompter, chooser);
        EXPECT_EQ(saved.has_value(), c.saved);
        EXPECT_EQ(std::filesystem::exists(out), c.saved);
        if (c.saved) {
            EXPECT_EQ(test::readFile(out), "%PDF-1.4 stamped");
        }
        EXPECT_EQ(test::readFile(input), "%PDF-1.4 original");
        EXPECT_EQ(prompter.questions.size(), c.questions);
        for (const QString& question : prompter.questions)
            EXPECT_EQ(question, texts.discardStampedPdf);
        ASSERT_EQ(prompter.messages.size(), c.messages);
        if (c.messages) {
            EXPECT_TRUE(prompter.messages.front().startsWith(
                "The stamped PDF could not be saved as " + unwritable + ".\n"))
                << prompter.messages.front().toStdString();
        }
        EXPECT_TRUE(chooser.answers.empty());
        for (const FileChoice& asked : chooser.asked)
            EXPECT_EQ(asked.initialName, outName);
    }
    // The input itself only when the user picks it (the dialog asked to replace it).
    RecordingPrompter prompter;
    RecordingFileChooser chooser;
    chooser.answers = {QString::fromStdString(input.string())};
    EXPECT_EQ(saveStampedPdf("%PDF-1.4 stamped", input, Language::Japanese, prompter, chooser),
              input);
    EXPECT_EQ(test::readFile(input), "%PDF-1.4 stamped");
    EXPECT_EQ(chooser.asked.front().title, "押印したPDFを保存");
    EXPECT_EQ(chooser.asked.front().initialName.toStdString(), (dir / "report-承認.pdf").string());
}

} // namespace
} // namespace vermil
