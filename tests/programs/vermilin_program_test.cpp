// vermilin as a process: its exit statuses, the password from standard input or
// from the environment alone, the embedded-object window, and the notice of a
// process whose font configuration has no seal font.
#include "tests/stamper/home_files.h"
#include "tests/stamper/pdf/tiny_pdf.h"
#include "tests/support/program_run.h"
#include "tests/support/test_environment.h"

#include "common/platform_identity.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QThread>

#include <gtest/gtest.h>

using vermil::test::ProgramRun;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

const QString vermilin = QStringLiteral(VERMILIN_PROGRAM);
const QString vrmgr = QStringLiteral(VRMGR_PROGRAM);
const QString trailscan = QStringLiteral(TRAILSCAN_PROGRAM);

const std::string noSealFont =
    "vermilin: warning: none of the seal fonts is installed (IPAPGothic, IPAGothic, IPAMincho, "
    "IPAPMincho), so Japanese seal texts may show as empty boxes; install the packages "
    "fonts-ipafont-gothic and fonts-ipafont-mincho\n";

class VermilinProgram : public ::testing::Test {
protected:
    ProgramRun run(const QString& program, const QStringList& arguments,
                   const std::string& input = {}, const QStringList& environment = {}) const {
        return vermil::test::runProgram(program, home.path(), arguments, {}, environment, input);
    }
    void registerSeals() const {
        writeFile(home / "seals.csv",
                  sjis("経理部長,KEIRI,経理部, ,山田,osprf_vrm_default.xml,16,16,'YY.MM.DD\r\n"
                       "総務課長,SOUMU,総務課,本社,鈴木,osprf_vrm_default.xml,18,18,NN.0M.0D\r\n"));
        const ProgramRun import = run(vrmgr, {"--import", "seals.csv"});
        ASSERT_EQ(import.exitCode, 0) << import.err;
    }
    // A font configuration that forgets every font folder: no face at all.
    void forgetEveryFont() const {
        writeFile(home / ".config/fontconfig/fonts.conf",
                  "<?xml version=\"1.0\"?>\n<fontconfig><reset-dirs/></fontconfig>\n");
    }
    std::string log() const {
        const auto file = home / "Documents/hanko.log";
        return std::filesystem::exists(file) ? readFile(file) : "";
    }

    TempDir home;
};

} // namespace

TEST_F(VermilinProgram, HelpAndWrongUseAsTheShellSeesThem) {
    const ProgramRun help = run(vermilin, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--info STAMPFILE"), std::string::npos) << help.out;
    EXPECT_EQ(help.err, "");

    for (const QStringList& wrong : {QStringList{"--unknown"}, QStringList{"--info"}}) {
        const ProgramRun run = this->run(vermilin, wrong);
        EXPECT_EQ(run.exitCode, 2) << wrong.join(' ').toStdString();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Usage: vermilin\n"), std::string::npos) << run.err;
    }
}

TEST_F(VermilinProgram, StampsWithThePasswordFromStandardInputOrTheEnvironmentAlone) {
    registerSeals();
    const ProgramRun fromInput =
        run(vermilin, {"--stamp", "a.vrs", "--seal", "経理部長", "--password-stdin"}, "keiri\n");
    EXPECT_EQ(fromInput.exitCode, 0) << fromInput.err;
    EXPECT_EQ(fromInput.err, "");

    // Standard input is not read without --password-stdin: the environment's password counts.
    const ProgramRun fromEnvironment = run(vermilin, {"--stamp", "b.vrs", "--seal", "総務課長"},
                                           "wrong\n", {"VERMIL_PASSWORD=soumu"});
    EXPECT_EQ(fromEnvironment.exitCode, 0) << fromEnvironment.err;
    const ProgramRun wrong =
        run(vermilin, {"--stamp", "c.vrs", "--seal", "総務課長"}, {}, {"VERMIL_PASSWORD=keiri"});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_EQ(wrong.err, "Error 1315: Password is incorrect.\n");
    EXPECT_FALSE(std::filesystem::exists(home / "c.vrs"));

    const ProgramRun check = run(trailscan, {"--check", "Documents/hanko.log"});
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    EXPECT_NE(check.out.find("Total: 2  OK: 2  NG: 0"), std::string::npos) << check.out;
    const ProgramRun info = run(vermilin, {"--info", "b.vrs"});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("Windows UserID : " + vermil::userName() + "\n"), std::string::npos);
}

TEST_F(VermilinProgram, TheEmbeddedObjectWindowStampsAtOnceWithAutoStampTwo) {
    registerSeals();
    // The password remembered by an earlier stamp, and AutoStamp 2 chosen.
    ASSERT_EQ(
        run(vermilin,
            {"--stamp", "first.vrs", "--seal", "総務課長", "--name", "鈴木", "--save-password"}, {},
            {"VERMIL_PASSWORD=SOUMU"})
            .exitCode,
        0);
    QSettings(QString::fromStdString((home / ".config/Ombrel/vermilin.ini").string()),
              QSettings::IniFormat)
        .setValue(QString::fromStdString(vermil::userName()) + "/AutoStamp", "2");

    // The window stays open after the stamp: it is closed once the object is written.
    const std::filesystem::path object = home / "object.vrs";
    QProcess window;
    QProcessEnvironment environment;
    environment.insert("PATH", qEnvironmentVariable("PATH"));
    environment.insert("HOME", QString::fromStdString(home.path().string()));
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString((home / ".config").string()));
    environment.insert("XDG_DATA_HOME", QString::fromStdString((home / ".local/share").string()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    window.setProcessEnvironment(environment);
    window.setWorkingDirectory(QString::fromStdString(home.path().string()));
    window.start(vermilin, {"-Embedding", QString::fromStdString(object.string())});
    ASSERT_TRUE(window.waitForStarted());
    QElapsedTimer waited;
    waited.start();
    const std::filesystem::path png = object.string() + ".png";
    while (!std::filesystem::exists(png) && waited.elapsed() < 60000 &&
           window.state() == QProcess::Running)
        QThread::msleep(50);
    QThread::msleep(200); // the picture is replaced as a whole: it is complete once there
    window.kill();
    window.waitForFinished();
    ASSERT_TRUE(std::filesystem::exists(png)) << window.readAllStandardError().toStdString();
    EXPECT_TRUE(std::filesystem::exists(object.string() + ".svg"));

    const ProgramRun info = run(vermilin, {"--info", "object.vrs"});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("Name : 鈴木\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Windows UserID : " + vermil::userName() + "\n"), std::string::npos);
    const std::string lines = log();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 2) << lines;
    const ProgramRun check = run(trailscan, {"--check", "Documents/hanko.log"});
    EXPECT_EQ(check.exitCode, 0) << check.out;
}

TEST_F(VermilinProgram, EmbeddingRefusesAFileThatIsNotStampData) {
    const std::string truncated = readFile(vermil::test::dataFile("stamper/TruncatedStamp.bin"));
    const std::filesystem::path file = home / "object.vrs";
    writeFile(file, truncated);
    const auto writtenAt = std::filesystem::last_write_time(file);
    for (const char* spelling : {"-Embedding", "/Embedding"}) {
        const ProgramRun run =
            this->run(vermilin, {spelling, QString::fromStdString(file.string())}, {},
                      {QStringLiteral("QT_QPA_PLATFORM=offscreen")});
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_NE(run.err.find("vermilin: " + file.string() + " is not valid stamp data: "),
                  std::string::npos)
            << run.err;
    }
    EXPECT_EQ(readFile(file), truncated);
    EXPECT_EQ(std::filesystem::last_write_time(file), writtenAt);
    EXPECT_FALSE(std::filesystem::exists(home / "object.vrs.svg"));
    EXPECT_FALSE(std::filesystem::exists(home / "object.vrs.png"));
}

TEST_F(VermilinProgram, RenderSaysOnceWhenNoSealFontIsInstalled) {
    const QString sealStamp =
        QString::fromStdString(vermil::test::dataFile("stamper/SealStamp.bin").string());
    const ProgramRun withFonts = run(vermilin, {"--render", sealStamp, "--out", "fonts.png"});
    ASSERT_EQ(withFonts.exitCode, 0) << withFonts.err;
    EXPECT_EQ(withFonts.err, "");

    forgetEveryFont();
    const ProgramRun bare = run(vermilin, {"--render", sealStamp, "--out", "bare.png"});
    EXPECT_EQ(bare.exitCode, 0) << bare.err; // the picture is still made
    EXPECT_TRUE(std::filesystem::exists(home / "bare.png"));
    EXPECT_EQ(bare.err, noSealFont);
}

TEST_F(VermilinProgram, StampPdfSaysOnceWhenNoSealFontIsInstalled) {
    registerSeals();
    writeFile(home / "in.pdf", vermil::test::tinyPdf({vermil::test::TinyPage{}}));
    forgetEveryFont();
    const ProgramRun stamped = run(vermilin,
                                   {"--stamp-pdf", "in.pdf", "--out", "out.pdf", "--at", "20,20",
                                    "--seal", "経理部長", "--password-stdin"},
                                   "keiri\n");
    EXPECT_EQ(stamped.exitCode, 0) << stamped.err; // the copy is still made
    EXPECT_TRUE(std::filesystem::exists(home / "out.pdf"));
    EXPECT_EQ(stamped.err, noSealFont);
}
