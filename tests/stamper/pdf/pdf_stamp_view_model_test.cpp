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

#include <algorithm>
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

TEST_F(PdfStampViewModelTest, ACancelledSaveLeavesThePdfAsItWasForTheNextStamp) {
    PdfStampViewModel& m = openModel({{}});
    EXPECT_EQ(m.placeAt(pointerAt(m, 100, 100), f.chooser), Placed::Discarded);
    EXPECT_TRUE(f.prompter.questions.isEmpty()); // nothing was stamped: nothing to discard
    EXPECT_EQ(m.file(), input);

    // The seal given up is not in the next stamped PDF.
    const std::filesystem::path out = f.dir / "out.pdf";
    f.chooser.answers = {QString::fromStdString(out.string())};
    ASSERT_EQ(m.placeAt(pointerAt(m, 50, 50), f.chooser), Placed::Saved);
    const std::vector<PdfStampFound> stamps = stampsIn(out);
    ASSERT_EQ(stamps.size(), 1u);
    EXPECT_NEAR(stamps[0].xMm, 50 - 10.5, 0.3);
}

// The save dialog, as a user answers it, seeing the stamp log as it is then.
class LogWatchingChooser : public RecordingFileChooser {
public:
    explicit LogWatchingChooser(const PdfStampingFixture& fixture) : f_(fixture) {}
    std::optional<QString> chooseFile(const FileChoice& choice) override {
        logsSeen.push_back(f_.log());
        return RecordingFileChooser::chooseFile(choice);
    }
    std::vector<std::string> logsSeen;

private:
    const PdfStampingFixture& f_;
};

// The seal dialog's OK writes nothing: the log line and the remembered fields
// follow the stamped copy, and a copy that is not written leaves no trace.
TEST_F(PdfStampViewModelTest, TheStampIsLoggedAndRememberedOnlyOnceTheStampedCopyIsWritten) {
    PdfStampViewModel& m = openModel({{}});
    f.document->setLastSeal("large");
    test::writeFile(f.logFile(), "earlier line\r\n");
    const std::string settings = test::readFile(f.fixture.ini());
    const std::filesystem::path out = f.dir / "out.pdf";
    const QString unwritable = QString::fromStdString((f.dir / "missing" / "out.pdf").string());
    struct Case {
        const char* what;
        std::optional<QString> file;
        Placed placed;
    };
    const Case cases[] = {
        {"save cancelled", std::nullopt, Placed::Discarded},
        {"copy not written", unwritable, Placed::Failed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        f.prompter.messages.clear();
        LogWatchingChooser chooser(f);
        chooser.answers = {c.file};
        EXPECT_EQ(m.placeAt(pointerAt(m, 100, 100), chooser), c.placed);
        EXPECT_EQ(chooser.asked.size(), 1u); // never asked again
        EXPECT_EQ(f.log(), "earlier line\r\n");
        EXPECT_EQ(test::readFile(f.fixture.ini()), settings);
        EXPECT_EQ(f.document->lastSeal(), "large"); // the stamp taken is dropped
        EXPECT_FALSE(std::filesystem::exists(out));
        EXPECT_EQ(m.file(), input);
        EXPECT_TRUE(f.prompter.questions.isEmpty());
    }
    ASSERT_EQ(f.prompter.messages.size(), 1); // the failed write
    EXPECT_TRUE(f.prompter.messages.front().startsWith("The stamped PDF could not be saved as " +
                                                       unwritable +
                                                       ", so nothing was stamped or logged.\n"))
        << f.prompter.messages.front().toStdString();

    f.prompter.messages.clear();
    LogWatchingChooser chooser(f);
    chooser.answers = {QString::fromStdString(out.string())};
    ASSERT_EQ(m.placeAt(pointerAt(m, 100, 100), chooser), Placed::Saved);
    EXPECT_EQ(chooser.logsSeen, std::vector<std::string>{"earlier line\r\n"});
    const std::string log = f.log();
    ASSERT_TRUE(log.starts_with("earlier line\r\n"));
    const std::string added = log.substr(std::string("earlier line\r\n").size());
    EXPECT_EQ(std::count(added.begin(), added.end(), '\n'), 1) << added;
    EXPECT_EQ(stampsIn(out).size(), 1u);
    EXPECT_EQ(f.document->lastSeal(), "small");
    EXPECT_NE(test::readFile(f.fixture.ini()).find("ListBox=small"), std::string::npos);
    EXPECT_TRUE(f.prompter.messages.isEmpty());
}

// Seen from the log step: the stamped copy is on disk when the log is written.
// A log that cannot be written is told, and the stamp counts as made.
class FileWatchingPrompter : public RecordingPrompter {
public:
    explicit FileWatchingPrompter(std::filesystem::path file) : file_(std::move(file)) {}
    void showMessage(const QString& text, MessageIcon icon) override {
        fileSeen.push_back(std::filesystem::exists(file_));
        RecordingPrompter::showMessage(text, icon);
    }
    std::vector<bool> fileSeen;

private:
    std::filesystem::path file_;
};

TEST(PdfStampViewLog, TheLogStepComesAfterTheCopyAndItsFailureIsToldAndTheStampCounts) {
    PdfStampingFixture f;
    const std::filesystem::path out = f.dir / "out.pdf";
    f.document->setLogFilePath(cp932Path(f.dir / "no-such-folder" / "hanko.log").value());
    FileWatchingPrompter prompter(out);
    PdfStampViewModel m(*f.document, prompter, f.taker);
    ASSERT_TRUE(m.open(f.writePdf("report.pdf", {{}})));
    f.chooser.answers = {QString::fromStdString(out.string())};
    EXPECT_EQ(m.placeAt(pointerAt(m, 100, 100), f.chooser), Placed::Saved);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.front().startsWith("Error434 : can't open logfile."))
        << prompter.messages.front().toStdString();
    EXPECT_EQ(prompter.fileSeen, std::vector<bool>{true});
    EXPECT_EQ(stampsIn(out).size(), 1u);
    EXPECT_NE(test::readFile(f.fixture.ini()).find("ListBox=small"), std::string::npos);
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
    ASSERT_FALSE(m.mayClose()); // the user keeps the view and the seal chosen
    EXPECT_EQ(f.prompter.questions.back(), m.texts().discardPendingSeal);
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

// The save dialog's answers: a cancel and a failed write end the output step at
// once, with nothing written and no question.
TEST(StampedPdfSaving, TheCopyIsWrittenWhereTheUserSaysOrNowhere) {
    test::TempDir dir;
    const std::filesystem::path input = dir / "report.pdf";
    test::writeFile(input, "%PDF-1.4 original");
    const std::filesystem::path out = dir / "report-stamped.pdf";
    const QString outName = QString::fromStdString(out.string());
    const QString unwritable = QString::fromStdString((dir / "missing" / "x.pdf").string());
    struct Case {
        const char* what;
        std::optional<QString> file;
        bool saved;
        bool cancelled;
        int messages;
    };
    const Case cases[] = {
        {"saved", outName, true, false, 0},
        {"cancelled", std::nullopt, false, true, 0},
        {"write fails", unwritable, false, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(out);
        RecordingPrompter prompter;
        RecordingFileChooser chooser;
        chooser.answers = {c.file, outName}; // a second answer is never asked for
        StampedPdfSaving saving("%PDF-1.4 stamped", input, Language::English, prompter, chooser);
        EXPECT_EQ(saving.write(), c.saved);
        EXPECT_EQ(saving.saved().has_value(), c.saved);
        EXPECT_EQ(saving.cancelled(), c.cancelled);
        EXPECT_EQ(std::filesystem::exists(out), c.saved);
        if (c.saved) {
            EXPECT_EQ(test::readFile(out), "%PDF-1.4 stamped");
        }
        EXPECT_EQ(test::readFile(input), "%PDF-1.4 original");
        EXPECT_TRUE(prompter.questions.isEmpty());
        ASSERT_EQ(prompter.messages.size(), c.messages);
        if (c.messages) {
            EXPECT_TRUE(prompter.messages.front().startsWith(
                "The stamped PDF could not be saved as " + unwritable +
                ", so nothing was stamped or logged.\n"))
                << prompter.messages.front().toStdString();
        }
        ASSERT_EQ(chooser.asked.size(), 1u);
        EXPECT_EQ(chooser.asked.front().initialName, outName);
    }
    // The input itself only when the user picks it (the dialog asked to replace it).
    RecordingPrompter prompter;
    RecordingFileChooser chooser;
    chooser.answers = {QString::fromStdString(input.string())};
    StampedPdfSaving saving("%PDF-1.4 stamped", input, Language::Japanese, prompter, chooser);
    EXPECT_TRUE(saving.write());
    EXPECT_EQ(saving.saved(), input);
    EXPECT_EQ(test::readFile(input), "%PDF-1.4 stamped");
    EXPECT_EQ(chooser.asked.front().title, "押印したPDFを保存");
    EXPECT_EQ(chooser.asked.front().initialName.toStdString(), (dir / "report-承認.pdf").string());
}

} // namespace
} // namespace vermil
