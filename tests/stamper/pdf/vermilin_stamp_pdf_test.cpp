// vermilin --stamp-pdf as a script of an approver runs it, in-process: seals
// registered with vrmgr's verbs, PDFs made in the test, the stamped copy looked at
// with poppler and qpdf, the log line checked by trailscan's verb, the stamps read
// back by vermilin --info and --render.
#include "pdf_tool_views.h"
#include "test_pdfs.h"
#include "tests/stamper/home_files.h"
#include "tests/stamper/suite_verbs.h"
#include "tests/support/small_filesystem.h"
#include "tests/support/verb_home.h"

#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using vermil::test::filesOf;
using vermil::test::followedBy;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::TestPage;
using vermil::test::TestPdfKind;
using vermil::test::trailscan;
using vermil::test::VerbRun;
using vermil::test::vermilin;
using vermil::test::vrmgr;
using vermil::test::writeFile;

namespace {

constexpr double toleranceMm = 0.3;

// The stamped copy with two bytes after the end of every attached stamp, as a
// tool that rewrote the attachments might leave it.
void damageAttachedStamps(const std::filesystem::path& from, const std::filesystem::path& to) {
    QPDF pdf;
    pdf.processFile(from.c_str());
    for (auto& [key, file] : QPDFEmbeddedFileDocumentHelper(pdf).getEmbeddedFiles()) {
        QPDFObjectHandle stream = file->getEmbeddedFileStream();
        const auto data = stream.getStreamData();
        std::string bytes(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
        stream.replaceStreamData(bytes + std::string(2, '\0'), QPDFObjectHandle::newNull(),
                                 QPDFObjectHandle::newNull());
    }
    QPDFWriter writer(pdf, to.c_str());
    writer.write();
}

class VermilinStampPdf : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(home / "seals.csv",
                  sjis("経理部長,KEIRI,経理部, ,山田,osprf_vrm_default.xml,16,16,'YY.MM.DD\r\n"
                       "総務課長,SOUMU,総務課,本社,鈴木,osprf_vrm_default.xml,21,15,NN.0M.0D\r\n"));
        const VerbRun import = vrmgr({"--import", "seals.csv"});
        ASSERT_EQ(import.exitCode, 0) << import.err;
        writeFile(home / "in.pdf",
                  vermil::test::makeTestPdf({TestPage{}, vermil::test::rotatedPage(90)}));
    }
    static VerbRun stampPdf(const std::vector<std::string>& arguments,
                            const std::string& password = "keiri\n") {
        return vermilin(followedBy(followedBy({"--stamp-pdf"}, arguments), {"--password-stdin"}),
                        password);
    }
    std::string log() const {
        const auto file = home / "Documents" / "hanko.log";
        return std::filesystem::exists(file) ? readFile(file) : "";
    }
    void expectSealAt(const std::filesystem::path& pdf, int page, const QRectF& seal) const {
        const auto ink = vermil::test::redInkMm(vermil::test::renderedPage(pdf, page));
        ASSERT_TRUE(ink) << "no seal on page " << page;
        EXPECT_NEAR(ink->left(), seal.left(), toleranceMm);
        EXPECT_NEAR(ink->top(), seal.top(), toleranceMm);
        EXPECT_NEAR(ink->right(), seal.right(), toleranceMm);
        EXPECT_NEAR(ink->bottom(), seal.bottom(), toleranceMm);
    }

    vermil::test::VerbHome home;
};

TEST_F(VermilinStampPdf, AStampedCopyCarriesTheSealTheStampAndTheLogLine) {
    const std::string input = readFile(home / "in.pdf");
    const VerbRun stamped =
        stampPdf({"in.pdf", "--out", "out.pdf", "--page", "2", "--at", "200,30", "--seal",
                  "経理部長", "--name", "山田太郎", "--document-no", "A-0042"});
    ASSERT_EQ(stamped.exitCode, 0) << stamped.err;
    EXPECT_EQ(stamped.err, "");
    EXPECT_EQ(readFile(home / "in.pdf"), input);

    const auto out = home / "out.pdf";
    EXPECT_EQ(vermil::test::qpdfCheck(out).exitCode, 0);
    EXPECT_EQ(vermil::test::pdfPageCount(out), 2);
    EXPECT_EQ(vermil::test::pdfText(out), vermil::test::pdfText(home / "in.pdf"));
    EXPECT_EQ(vermil::test::pdfImageCount(out), 0);
    // Page 2 is shown turned: 297 mm wide, and the seal stands upright on it.
    expectSealAt(out, 2, QRectF(200, 30, 16, 16));
    EXPECT_FALSE(vermil::test::redInkMm(vermil::test::renderedPage(out, 1)));

    const VerbRun check = trailscan({"--check", "Documents/hanko.log"});
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    EXPECT_NE(check.out.find("Total: 1  OK: 1  NG: 0"), std::string::npos) << check.out;
    EXPECT_EQ(log().rfind(sjis("A-0042|"), 0), 0u) << log();

    const VerbRun info = vermilin({"--info", "out.pdf"});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_EQ(info.out.rfind("Stamp 1/1: page 2, 200.0 mm from the left, 30.0 mm from the top "
                             "(経理部長-",
                             0),
              0u)
        << info.out;
    EXPECT_NE(info.out.find("Document No : A-0042\nDate : "), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Name : 山田太郎\n"), std::string::npos) << info.out;

    const VerbRun render = vermilin({"--render", "out.pdf", "--out", "again.svg"});
    EXPECT_EQ(render.exitCode, 0) << render.err;
    EXPECT_NE(readFile(home / "again.svg").find("width=\"16mm\""), std::string::npos);
}

TEST_F(VermilinStampPdf, StampingTheStampedCopyAddsASecondSealAndStamp) {
    ASSERT_EQ(
        stampPdf({"in.pdf", "--out", "once.pdf", "--at", "20,30", "--seal", "経理部長"}).exitCode,
        0);
    // The seal used last is the default, and with it its password.
    const VerbRun again = stampPdf({"once.pdf", "--out", "twice.pdf", "--at", "150,250"});
    ASSERT_EQ(again.exitCode, 0) << again.err;

    // Both seals on page 1: the red ink spans from the first's corner to the second's.
    expectSealAt(home / "twice.pdf", 1, QRectF(QPointF(20, 30), QPointF(150 + 16, 250 + 16)));
    const VerbRun info = vermilin({"--info", "twice.pdf"});
    EXPECT_NE(info.out.find("Stamp 1/2: page 1, 20.0 mm"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("\nStamp 2/2: page 1, 150.0 mm"), std::string::npos) << info.out;
    EXPECT_EQ(trailscan({"--check", "Documents/hanko.log"}).exitCode, 0);
    const VerbRun missing = vermilin({"--render", "twice.pdf", "--out", "x.svg", "--number", "3"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("holds 2 stamps; there is no stamp 3"), std::string::npos)
        << missing.err;
}

TEST_F(VermilinStampPdf, WhatMustNotBeStampedIsRefusedAndNothingIsWritten) {
    writeFile(home / "note.pdf", "Approval request\r\n");
    writeFile(home / "damaged.pdf", "%PDF-1.7\n%broken off after the header\n");
    writeFile(home / "encrypted.pdf",
              vermil::test::makeTestPdf({TestPage{}}, TestPdfKind::Encrypted));
    writeFile(home / "signed.pdf", vermil::test::makeTestPdf({TestPage{}}, TestPdfKind::Signed));
    std::filesystem::create_symlink(home / "in.pdf", home / "link.pdf");
    std::filesystem::create_directories(home / ".config");
    const auto before = filesOf(home.path());
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{"note.pdf", "--out", "out.pdf", "--at", "10,10"}, "note.pdf is not a PDF file"},
        {{"damaged.pdf", "--out", "out.pdf", "--at", "10,10"},
         "damaged.pdf is damaged and cannot be repaired"},
        {{"encrypted.pdf", "--out", "out.pdf", "--at", "10,10"}, "encrypted.pdf is encrypted"},
        {{"signed.pdf", "--out", "out.pdf", "--at", "10,10"},
         "signed.pdf carries a digital signature; stamping rewrites the file and would break"},
        {{"in.pdf", "--out", "out.pdf", "--at", "10,10", "--page", "3"},
         "in.pdf has 2 pages; there is no page 3"},
        {{"in.pdf", "--out", "out.pdf", "--at", "200,290", "--seal", "経理部長"},
         "the seal (16.0 x 16.0 mm) does not fit on page 1 of in.pdf (210.0 x 297.0 mm)"},
        // Page 2 is shown 297 x 210 mm: 200 mm down is off it.
        {{"in.pdf", "--out", "out.pdf", "--at", "10,200", "--page", "2", "--seal", "総務課長"},
         "the seal (21.0 x 15.0 mm) does not fit on page 2"},
        {{"in.pdf", "--out", "in.pdf", "--at", "10,10"}, "--out names the input PDF itself"},
        {{"in.pdf", "--out", "link.pdf", "--at", "10,10"}, "--out names the input PDF itself"},
        {{"in.pdf", "--out", "no/such/out.pdf", "--at", "10,10"}, "its folder does not exist"},
        {{"in.pdf", "--out", "out.pdf", "--at", "10"}, "--at takes the seal's position as X,Y"},
        {{"in.pdf", "--out", "out.pdf", "--at", "10,ten"}, "--at takes the seal's position"},
        {{"missing.pdf", "--out", "out.pdf", "--at", "10,10"}, "cannot read missing.pdf"},
    };
    for (const auto& c : cases) {
        const VerbRun refused = stampPdf(c.arguments);
        EXPECT_EQ(refused.exitCode, 2) << c.message << "\n" << refused.err;
        EXPECT_NE(refused.err.find(c.message), std::string::npos) << refused.err;
        EXPECT_EQ(filesOf(home.path()), before) << c.message;
    }
    const VerbRun wrongPassword =
        stampPdf({"in.pdf", "--out", "out.pdf", "--at", "10,10", "--seal", "経理部長"}, "wrong\n");
    EXPECT_EQ(wrongPassword.exitCode, 1) << wrongPassword.err;
    EXPECT_EQ(filesOf(home.path()), before);
}

// An output never replaces a device or a FIFO (as root a rename would take even
// /dev/full away): each verb that writes a file refuses one, writes nothing
// and logs nothing. A FIFO must not make the verb wait for a reader either.
TEST_F(VermilinStampPdf, NoOutputReplacesADeviceOrAFifo) {
    ASSERT_EQ(stampPdf({"in.pdf", "--out", "stamped.pdf", "--at", "10,10", "--seal", "経理部長"})
                  .exitCode,
              0);
    ASSERT_EQ(::mkfifo((home / "pipe.out").c_str(), 0644), 0);
    std::vector<std::string> specials{"pipe.out"};
    if (::mknod((home / "null.out").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0)
        specials.push_back("null.out");
    const auto before = filesOf(home.path());
    for (const std::string& special : specials) {
        for (const char* extension : {".pdf", ".svg"}) {
            const std::string name = special + extension;
            std::filesystem::create_symlink(special, home / name);
        }
        const std::vector<std::vector<std::string>> writers{
            {"--stamp-pdf", "in.pdf", "--out", special + ".pdf", "--at", "10,10",
             "--password-stdin"},
            {"--stamp", "again.vrs", "--picture", special + ".svg", "--password-stdin"},
            {"--render", "stamped.pdf", "--out", special + ".svg"},
        };
        for (const auto& arguments : writers) {
            const VerbRun refused = vermilin(arguments, "keiri\n");
            EXPECT_EQ(refused.exitCode, 2) << arguments[0] << " " << special << "\n" << refused.err;
            EXPECT_NE(refused.err.find("not a regular file"), std::string::npos) << refused.err;
        }
        for (const char* extension : {".pdf", ".svg"})
            std::filesystem::remove(home / (special + extension));
        EXPECT_EQ(filesOf(home.path()), before) << special;
    }
}

// A damaged attached stamp is named and skipped: the others still show, and the
// next approver's stamp goes on the copy and reads back.
TEST_F(VermilinStampPdf, ADamagedAttachedStampIsNamedAndTheOthersStillRead) {
    ASSERT_EQ(
        stampPdf({"in.pdf", "--out", "once.pdf", "--at", "20,30", "--seal", "経理部長"}).exitCode,
        0);
    damageAttachedStamps(home / "once.pdf", home / "damaged.pdf");
    const std::string damage = "vermilin: stamp 1 in damaged.pdf is not valid stamp data: 2 "
                               "bytes follow the last item of the stamp\n";

    const VerbRun info = vermilin({"--info", "damaged.pdf"});
    EXPECT_EQ(info.exitCode, 1);
    EXPECT_EQ(info.err, damage);
    EXPECT_EQ(info.out.rfind("Stamp 1/1: page 1, 20.0 mm", 0), 0u) << info.out;

    const VerbRun again = stampPdf({"damaged.pdf", "--out", "twice.pdf", "--at", "150,250"});
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(vermil::test::qpdfCheck(home / "twice.pdf").exitCode, 0);
    const VerbRun both = vermilin({"--info", "twice.pdf"});
    EXPECT_EQ(both.exitCode, 1);
    EXPECT_EQ(both.err, "vermilin: stamp 1 in twice.pdf is not valid stamp data: 2 bytes follow "
                        "the last item of the stamp\n");
    EXPECT_NE(both.out.find("\nStamp 2/2: page 1, 150.0 mm"), std::string::npos) << both.out;
    EXPECT_NE(both.out.find("Name : "), std::string::npos) << both.out;

    EXPECT_EQ(vermilin({"--render", "twice.pdf", "--out", "2.svg", "--number", "2"}).exitCode, 0);
    const VerbRun first = vermilin({"--render", "twice.pdf", "--out", "1.svg"});
    EXPECT_EQ(first.exitCode, 2);
    EXPECT_EQ(first.err, both.err);
    EXPECT_FALSE(std::filesystem::exists(home / "1.svg"));
}

// A copy that does not fit on the disk: nothing written or logged, and the
// reason in the verb's own language.
TEST_F(VermilinStampPdf, ACopyOnAFullDiskIsRefusedInOneLanguage) {
    const auto report = vermil::test::inSmallFilesystem(64 * 1024, [&](const auto& root) {
        vermil::test::fillUp(root);
        const std::string out = (root / "out.pdf").string();
        const VerbRun run =
            stampPdf({"in.pdf", "--out", out, "--at", "20,30", "--seal", "経理部長"});
        return std::to_string(run.exitCode) + "|" + run.err + "|" +
               (std::filesystem::exists(out) ? "written" : "absent") + "|" + log();
    });
    if (!report)
        GTEST_SKIP() << "no private mount on this machine";
    EXPECT_TRUE(report->starts_with("2|vermilin: ")) << *report;
    EXPECT_TRUE(report->ends_with(": No space left on device; nothing was logged or "
                                  "remembered\n|absent|"))
        << *report;
}

TEST_F(VermilinStampPdf, InfoOnAPdfWithoutStampsSaysSo) {
    const VerbRun info = vermilin({"--info", "in.pdf"});
    EXPECT_EQ(info.exitCode, 2);
    EXPECT_EQ(info.err, "vermilin: in.pdf carries no stamp\n");
}

} // namespace
