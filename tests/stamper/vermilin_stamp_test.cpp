// --stamp and --change-password run as programs, on seals registered with the
// built vrmgr, with the log line checked by the built trailscan and the stamp
// read back by vermilin --info: what a script of the administrator does.
#include "home_files.h"
#include "tests/support/program_run.h"
#include "tests/support/test_environment.h"

#include "common/platform_identity.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QThread>

#include <gtest/gtest.h>

#include <map>

using vermil::test::filesOf;
using vermil::test::ProgramRun;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

#if defined(VERMILIN_PROGRAM) && defined(VRMGR_PROGRAM) && defined(TRAILSCAN_PROGRAM)
constexpr bool programsBuilt = true;
const QString vermilin = QStringLiteral(VERMILIN_PROGRAM);
const QString vrmgr = QStringLiteral(VRMGR_PROGRAM);
const QString trailscan = QStringLiteral(TRAILSCAN_PROGRAM);
#else
constexpr bool programsBuilt = false;
const QString vermilin, vrmgr, trailscan;
#endif

class VermilinStamp : public ::testing::Test {
protected:
    void SetUp() override {
        if (!programsBuilt)
            GTEST_SKIP() << "the programs are not built";
        writeFile(home / "seals.csv",
                  sjis("経理部長,KEIRI,経理部, ,山田,osprf_vrm_default.xml,16,16,'YY.MM.DD\r\n"
                       "総務課長,SOUMU,総務課,本社,鈴木,osprf_vrm_default.xml,18,18,NN.0M.0D\r\n"));
        const ProgramRun import = run(vrmgr, {"--import", "seals.csv"});
        ASSERT_EQ(import.exitCode, 0) << import.err;
    }
    ProgramRun run(const QString& program, const QStringList& arguments,
                   const std::string& input = {}, const QStringList& environment = {}) const {
        return vermil::test::runProgram(program, home.path(), arguments, {}, environment, input);
    }
    ProgramRun stamp(const QStringList& arguments, const std::string& input = {},
                     const QStringList& environment = {}) const {
        return run(vermilin, QStringList{"--stamp"} + arguments, input, environment);
    }
    std::filesystem::path documents() const { return home / "Documents"; }
    std::string log() const {
        return std::filesystem::exists(documents() / "hanko.log")
                   ? readFile(documents() / "hanko.log")
                   : "";
    }

    TempDir home;
};

} // namespace

TEST_F(VermilinStamp, AStampIsLoggedRememberedWrittenAndReadBack) {
    const ProgramRun stamped =
        stamp({"stamp.vrs", "--seal", "経理部長", "--document-no", "A-0042", "--name", "山田太郎",
               "--section", "経理部", "--comment", "至急\n確認済み", "--password-stdin",
               "--picture", "stamp.svg"},
              "keiri\n");
    ASSERT_EQ(stamped.exitCode, 0) << stamped.err;
    EXPECT_EQ(stamped.err, "");
    EXPECT_EQ(stamped.out, "");

    // The log line verifies with the log checker.
    const std::string line = log();
    EXPECT_EQ(line.rfind(sjis("A-0042|"), 0), 0u) << line;
    EXPECT_NE(line.find(sjis("|山田太郎|経理部|至急|") + vermil::userName() + "|" +
                        vermil::computerName() + "|"),
              std::string::npos)
        << line;
    const ProgramRun check = run(trailscan, {"--check", "Documents/hanko.log"});
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    EXPECT_NE(check.out.find("Total: 1  OK: 1  NG: 0"), std::string::npos) << check.out;

    // The stamp object shows who stamped and what.
    const ProgramRun info = run(vermilin, {"--info", "stamp.vrs"});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find("Document No : A-0042\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Name : 山田太郎\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Comment : 至急\n確認済み\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Windows UserID : " + vermil::userName() + "\n"), std::string::npos);
    EXPECT_NE(info.out.find("Stamp Version :Ver5.6.4\n"), std::string::npos);
    const std::string svg = readFile(home / "stamp.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("width=\"16mm\""), std::string::npos) << svg.substr(0, 400);

    // The fields are remembered for the seal; the remembered password is not kept.
    const std::string settings = readFile(documents() / "hanko.ini");
    EXPECT_NE(settings.find(sjis("[経理部長]\r\nDate=")), std::string::npos) << settings;
    EXPECT_NE(settings.find(sjis("Item=至急\r\n")), std::string::npos);
    EXPECT_NE(settings.find(sjis("[VERMILIN]\r\nListBox=経理部長\r\n")), std::string::npos);
    EXPECT_NE(readFile(home / ".config/Ombrel/hanko.ini").find("Color=77055"), std::string::npos);
    EXPECT_NE(readFile(home / ".config/Ombrel/vermilin.ini").find("cpw=0"), std::string::npos);
}

TEST_F(VermilinStamp, AFailedPasswordOrCheckWritesNothingAnywhere) {
    std::filesystem::create_directories(home / ".config");
    const auto before = filesOf(home.path());
    struct Case {
        const char* what;
        QStringList arguments;
        std::string input;
        QStringList environment;
        int exitCode;
        std::string err;
    } const cases[] = {
        {"wrong password",
         {"s.vrs", "--seal", "経理部長", "--password-stdin", "--save-password"},
         "wrong\n",
         {},
         1,
         "Error 1315: Password is incorrect.\n"},
        {"wrong password from the environment",
         {"s.vrs", "--seal", "総務課長", "--picture", "s.png"},
         "",
         {"VERMIL_PASSWORD=keiri"},
         1,
         "Error 1315: Password is incorrect.\n"},
        {"no password at all",
         {"s.vrs", "--seal", "経理部長"},
         "",
         {},
         1,
         "Error 1315: Password is incorrect.\nvermilin: no password was given: pass it with "
         "--password-stdin or in VERMIL_PASSWORD\n"},
        {"no seal chosen",
         {"s.vrs", "--password-stdin"},
         "KEIRI\n",
         {},
         1,
         "Vermil name has not been selected.\n\n"},
        {"a seal that is not listed",
         {"s.vrs", "--seal", "経理", "--password-stdin"},
         "KEIRI\n",
         {},
         1,
         "vermilin: the seal index " + (home / "Documents/vrdata/index.dat").string() +
             " lists no seal named 経理\n"},
        {"a text without a Shift-JIS form",
         {"s.vrs", "--seal", "経理部長", "--name", "😀"},
         "",
         {},
         2,
         "vermilin: --name has a character without a Shift-JIS form; it cannot be stored\n"},
        {"both save flags",
         {"s.vrs", "--save-password", "--no-save-password"},
         "",
         {},
         2,
         "vermilin: --save-password and --no-save-password exclude each other\n"},
        {"a picture of no known kind",
         {"s.vrs", "--seal", "経理部長", "--picture", "s.gif", "--password-stdin"},
         "KEIRI\n",
         {},
         2,
         "vermilin: cannot tell the picture type of s.gif: name it .svg, .png or .pdf\n"},
        {"a stamp file in no folder",
         {"missing/s.vrs", "--seal", "経理部長", "--password-stdin"},
         "KEIRI\n",
         {},
         2,
         "vermilin: cannot write missing/s.vrs: its folder does not exist\n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = stamp(c.arguments, c.input, c.environment);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what << "\n" << run.err;
        EXPECT_EQ(run.err, c.err) << c.what;
        EXPECT_EQ(filesOf(home.path()), before) << c.what;
    }

    // A seal whose file was changed fails its check the same way.
    const std::filesystem::path sealFile = documents() / "vrdata" / "経理部長.vrm";
    writeFile(sealFile, readFile(sealFile) + " ");
    const auto tampered = filesOf(home.path());
    const ProgramRun run = stamp({"s.vrs", "--seal", "経理部長", "--password-stdin"}, "KEIRI\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Error 428: Vermil Hash Error."), std::string::npos) << run.err;
    EXPECT_EQ(filesOf(home.path()), tampered);
}

TEST_F(VermilinStamp, TheRememberedPasswordAndTheLastSealServeTheNextStamp) {
    ASSERT_EQ(
        stamp({"a.vrs", "--seal", "総務課長", "--save-password"}, {}, {"VERMIL_PASSWORD=soumu"})
            .exitCode,
        0);
    // No seal, no password given: the last seal with the remembered password.
    const ProgramRun again = stamp({"b.vrs", "--name", "鈴木一郎", "--seal-date", "R6.1.1"});
    ASSERT_EQ(again.exitCode, 0) << again.err;
    const ProgramRun info = run(vermilin, {"--info", "b.vrs"});
    EXPECT_NE(info.out.find("Name : 鈴木一郎\n"), std::string::npos) << info.out;
    const std::string settings = readFile(documents() / "hanko.ini");
    EXPECT_NE(settings.find(sjis("DateIn=R6.1.1\r\n")), std::string::npos) << settings;
    const std::string lines = log();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 2);
    // --no-save-password forgets it.
    ASSERT_EQ(stamp({"c.vrs", "--no-save-password"}).exitCode, 0);
    EXPECT_EQ(stamp({"d.vrs"}).exitCode, 1);
}

TEST_F(VermilinStamp, ANewStampInSomeoneElsesObjectIsInTheNameOfWhoStampsNow) {
    // A stamp object made by yamada on KEIRI-PC01 with Ver5.6.3.
    writeFile(home / "old.vrs", readFile(vermil::test::dataFile("stamper/SealStamp.bin")));
    const ProgramRun before = run(vermilin, {"--info", "old.vrs"});
    ASSERT_NE(before.out.find("Windows UserID : yamada\n"), std::string::npos) << before.out;
    ASSERT_EQ(stamp({"old.vrs", "--seal", "経理部長", "--password-stdin"}, "KEIRI\n").exitCode, 0);
    const ProgramRun after = run(vermilin, {"--info", "old.vrs"});
    EXPECT_NE(after.out.find("Windows UserID : " + vermil::userName() + "\n"), std::string::npos)
        << after.out;
    EXPECT_NE(after.out.find("ComputerName : " + vermil::computerName() + "\n"), std::string::npos);
    EXPECT_NE(after.out.find("Stamp Version :Ver5.6.4\n"), std::string::npos);
    EXPECT_EQ(log().find("yamada"), std::string::npos);

    // A file that is not stamp data is refused before anything happens.
    writeFile(home / "junk.vrs", "not a stamp");
    const auto files = filesOf(home.path());
    const ProgramRun junk =
        stamp({"junk.vrs", "--seal", "経理部長", "--password-stdin"}, "KEIRI\n");
    EXPECT_EQ(junk.exitCode, 2);
    EXPECT_NE(junk.err.find("is not valid stamp data"), std::string::npos) << junk.err;
    EXPECT_EQ(filesOf(home.path()), files);
}

TEST_F(VermilinStamp, ChangePasswordTakesThreeLinesAndTheSealStampsWithTheNewOne) {
    const auto before = filesOf(home.path());
    const ProgramRun refused =
        run(vermilin, {"--change-password", "--seal", "経理部長"}, "WRONG\nNEW1\nNEW1\n");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Error 1306 : 現在のパスワードが一致しません。\n");
    const ProgramRun differ =
        run(vermilin, {"--change-password", "--seal", "経理部長"}, "KEIRI\nNEW1\nNEW2\n");
    EXPECT_EQ(differ.exitCode, 1);
    EXPECT_EQ(differ.err, "Error 1304 : ２つの新しいパスワードが一致しません。\n");
    EXPECT_EQ(filesOf(home.path()), before);

    const ProgramRun changed =
        run(vermilin, {"--change-password", "--seal", "経理部長"}, "keiri\r\nnew1\r\nnew1\r\n");
    EXPECT_EQ(changed.exitCode, 0) << changed.err;
    EXPECT_EQ(changed.err, "パスワードが変更されました。\n");

    const ProgramRun old = stamp({"s.vrs", "--seal", "経理部長", "--password-stdin"}, "KEIRI\n");
    EXPECT_EQ(old.exitCode, 1);
    EXPECT_EQ(old.err, "Error 1315: Password is incorrect.\n");
    const ProgramRun fresh = stamp({"s.vrs", "--seal", "経理部長", "--password-stdin"}, "NEW1\n");
    EXPECT_EQ(fresh.exitCode, 0) << fresh.err;
    const ProgramRun verify = run(vrmgr, {"--verify"});
    EXPECT_EQ(verify.exitCode, 0) << verify.out << verify.err;
}

TEST_F(VermilinStamp, HelpListsTheStampingVerbs) {
    const ProgramRun help = run(vermilin, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* word : {"--stamp STAMPFILE", "--change-password", "--password-stdin",
                             "--save-password", "--no-save-password", "--picture", "--seal-date"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
}

TEST_F(VermilinStamp, TheEmbeddedObjectWindowStampsAtOnceWithAutoStampTwo) {
    // The password remembered by an earlier stamp, and AutoStamp 2 chosen.
    ASSERT_EQ(stamp({"first.vrs", "--seal", "総務課長", "--name", "鈴木", "--save-password"}, {},
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
