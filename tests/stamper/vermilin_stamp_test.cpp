// --stamp and --change-password run in-process as the program runs them, on
// seals registered with vrmgr's verbs, with the log line checked by trailscan's
// and the stamp read back by --info: what a script of the administrator does.
#include "home_files.h"
#include "suite_verbs.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/small_filesystem.h"
#include "tests/support/test_environment.h"
#include "tests/support/verb_home.h"

#include "common/platform_identity.h"
#include "stamper/cli/verb_input.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sys/stat.h>

using vermil::test::filesOf;
using vermil::test::followedBy;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::trailscan;
using vermil::test::VerbRun;
using vermil::test::vermilin;
using vermil::test::vrmgr;
using vermil::test::writeFile;

namespace {

class VermilinStamp : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(home / "seals.csv",
                  sjis("経理部長,KEIRI,経理部, ,山田,osprf_vrm_default.xml,16,16,'YY.MM.DD\r\n"
                       "総務課長,SOUMU,総務課,本社,鈴木,osprf_vrm_default.xml,18,18,NN.0M.0D\r\n"));
        const VerbRun import = vrmgr({"--import", "seals.csv"});
        ASSERT_EQ(import.exitCode, 0) << import.err;
    }
    // --stamp with `arguments`; `password` stands in $VERMIL_PASSWORD for this run only.
    static VerbRun stamp(const std::vector<std::string>& arguments, const std::string& input = {},
                         const std::optional<std::string>& password = std::nullopt) {
        vermil::test::ScopedEnvironment environment;
        if (password)
            environment.set("VERMIL_PASSWORD", *password);
        return vermilin(followedBy({"--stamp"}, arguments), input);
    }
    std::filesystem::path documents() const { return home / "Documents"; }
    std::string log() const {
        return std::filesystem::exists(documents() / "hanko.log")
                   ? readFile(documents() / "hanko.log")
                   : "";
    }

    vermil::test::VerbHome home;
};

} // namespace

TEST_F(VermilinStamp, AStampIsLoggedRememberedWrittenAndReadBack) {
    const VerbRun stamped = stamp({"stamp.vrs", "--seal", "経理部長", "--document-no", "A-0042",
                                   "--name", "山田太郎", "--section", "経理部", "--comment",
                                   "至急\n確認済み", "--password-stdin", "--picture", "stamp.svg"},
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
    const VerbRun check = trailscan({"--check", "Documents/hanko.log"});
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    EXPECT_NE(check.out.find("Total: 1  OK: 1  NG: 0"), std::string::npos) << check.out;

    // The stamp object shows who stamped and what.
    const VerbRun info = vermilin({"--info", "stamp.vrs"});
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
        std::vector<std::string> arguments;
        std::string input;
        std::optional<std::string> password;
        int exitCode;
        std::string err;
    } const cases[] = {
        {"wrong password",
         {"s.vrs", "--seal", "経理部長", "--password-stdin", "--save-password"},
         "wrong\n",
         {},
         1,
         "Error 1315: Password is incorrect.\n"},
        {"the longest password line, a wrong password",
         {"s.vrs", "--seal", "経理部長", "--password-stdin"},
         std::string(vermil::cli::maxInputLineBytes, 'K') + "\r\n",
         {},
         1,
         "Error 1315: Password is incorrect.\n"},
        {"a password line longer than standard input's lines",
         {"s.vrs", "--seal", "経理部長", "--password-stdin"},
         std::string(vermil::cli::maxInputLineBytes + 1, 'K') + "\n",
         {},
         2,
         "vermilin: a line of standard input is longer than " +
             std::to_string(vermil::cli::maxInputLineBytes) + " bytes; it is not read\n"},
        {"wrong password from the environment",
         {"s.vrs", "--seal", "総務課長", "--picture", "s.png"},
         "",
         "keiri",
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
        const VerbRun run = stamp(c.arguments, c.input, c.password);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what << "\n" << run.err;
        EXPECT_EQ(run.err, c.err) << c.what;
        EXPECT_EQ(filesOf(home.path()), before) << c.what;
    }

    // A seal whose file was changed fails its check the same way.
    const std::filesystem::path sealFile = documents() / "vrdata" / "経理部長.vrm";
    writeFile(sealFile, readFile(sealFile) + " ");
    const auto tampered = filesOf(home.path());
    const VerbRun run = stamp({"s.vrs", "--seal", "経理部長", "--password-stdin"}, "KEIRI\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Error 428: Vermil Hash Error."), std::string::npos) << run.err;
    EXPECT_EQ(filesOf(home.path()), tampered);
}

// A picture that does not fit on the disk stops the stamp before anything is
// replaced: the stamp object and picture of the previous stamp stay together,
// the log has no line for it, and the message names the full disk.
TEST_F(VermilinStamp, APictureThatCannotBeWrittenLeavesThePreviousStampWhole) {
    const auto report = vermil::test::inSmallFilesystem(64 * 1024, [&](const auto& root) {
        const std::string picture = (root / "stamp.svg").string();
        const VerbRun first =
            stamp({"stamp.vrs", "--seal", "経理部長", "--picture", picture}, {}, "keiri");
        if (first.exitCode != 0)
            return "first stamp: " + first.err;
        const std::string object = readFile(home / "stamp.vrs");
        const std::string drawn = readFile(picture);
        const std::string logged = log();
        vermil::test::fillUp(root);
        const VerbRun second =
            stamp({"stamp.vrs", "--name", "鈴木一郎", "--picture", picture}, {}, "keiri");
        std::string err = second.err;
        if (const auto at = err.find(picture); at != std::string::npos)
            err.replace(at, picture.size(), "PICTURE");
        return std::to_string(second.exitCode) + "|" + err + "|" +
               (readFile(home / "stamp.vrs") == object ? "object kept" : "object replaced") + "|" +
               (readFile(picture) == drawn ? "picture kept" : "picture replaced") + "|" +
               (log() == logged ? "no line" : "a line");
    });
    if (!report)
        GTEST_SKIP() << "no private mount on this machine";
    EXPECT_EQ(*report, "2|vermilin: cannot write the stamp to stamp.vrs: cannot write PICTURE: "
                       "No space left on device; nothing was logged or remembered\n|"
                       "object kept|picture kept|no line")
        << *report;
}

// The seal used last is preselected; naming a seal checks that one seal once,
// and a broken last seal says nothing when another one is named.
TEST_F(VermilinStamp, ANamedSealIsCheckedOnceAndAloneEvenWhenItWasUsedLast) {
    ASSERT_EQ(stamp({"a.vrs", "--seal", "経理部長"}, {}, "keiri").exitCode, 0);
    const std::filesystem::path sealFile = documents() / "vrdata" / "経理部長.vrm";
    writeFile(sealFile, readFile(sealFile) + " ");
    const std::string hashError = "Error 428: Vermil Hash Error.";

    const VerbRun same = stamp({"b.vrs", "--seal", "経理部長"}, {}, "keiri");
    EXPECT_EQ(same.exitCode, 1);
    const auto first = same.err.find(hashError);
    ASSERT_NE(first, std::string::npos) << same.err;
    EXPECT_EQ(same.err.find(hashError, first + 1), std::string::npos) << same.err;

    const VerbRun other = stamp({"c.vrs", "--seal", "総務課長"}, {}, "soumu");
    EXPECT_EQ(other.exitCode, 0) << other.err;
    EXPECT_EQ(other.err, "");
}

// A log that cannot take the line (here a FIFO in its place) does not undo the
// stamp, but the exit status tells a script that the log has no line for it.
TEST_F(VermilinStamp, AStampWhoseLogLineIsMissingExitsWithOne) {
    ASSERT_EQ(::mkfifo((documents() / "hanko.log").c_str(), 0644), 0);
    const VerbRun stamped = stamp({"stamp.vrs", "--seal", "経理部長"}, {}, "keiri");
    EXPECT_EQ(stamped.exitCode, 1) << stamped.err;
    EXPECT_NE(stamped.err.find("Error434 : can't open logfile."), std::string::npos) << stamped.err;
    EXPECT_TRUE(std::filesystem::is_regular_file(home / "stamp.vrs"));
    EXPECT_TRUE(std::filesystem::is_fifo(documents() / "hanko.log"));
}

TEST_F(VermilinStamp, TheRememberedPasswordAndTheLastSealServeTheNextStamp) {
    ASSERT_EQ(stamp({"a.vrs", "--seal", "総務課長", "--save-password"}, {}, "soumu").exitCode, 0);
    // No seal, no password given: the last seal with the remembered password.
    const VerbRun again = stamp({"b.vrs", "--name", "鈴木一郎", "--seal-date", "R6.1.1"});
    ASSERT_EQ(again.exitCode, 0) << again.err;
    const VerbRun info = vermilin({"--info", "b.vrs"});
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
    const VerbRun before = vermilin({"--info", "old.vrs"});
    ASSERT_NE(before.out.find("Windows UserID : yamada\n"), std::string::npos) << before.out;
    ASSERT_EQ(stamp({"old.vrs", "--seal", "経理部長", "--password-stdin"}, "KEIRI\n").exitCode, 0);
    const VerbRun after = vermilin({"--info", "old.vrs"});
    EXPECT_NE(after.out.find("Windows UserID : " + vermil::userName() + "\n"), std::string::npos)
        << after.out;
    EXPECT_NE(after.out.find("ComputerName : " + vermil::computerName() + "\n"), std::string::npos);
    EXPECT_NE(after.out.find("Stamp Version :Ver5.6.4\n"), std::string::npos);
    EXPECT_EQ(log().find("yamada"), std::string::npos);

    // A file that is not stamp data is refused before anything happens.
    writeFile(home / "junk.vrs", "not a stamp");
    const auto files = filesOf(home.path());
    const VerbRun junk = stamp({"junk.vrs", "--seal", "経理部長", "--password-stdin"}, "KEIRI\n");
    EXPECT_EQ(junk.exitCode, 2);
    EXPECT_NE(junk.err.find("is not valid stamp data"), std::string::npos) << junk.err;
    EXPECT_EQ(filesOf(home.path()), files);
}

TEST_F(VermilinStamp, ChangePasswordTakesThreeLinesAndTheSealStampsWithTheNewOne) {
    const auto before = filesOf(home.path());
    const VerbRun refused =
        vermilin({"--change-password", "--seal", "経理部長"}, "WRONG\nNEW1\nNEW1\n");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Error 1306 : 現在のパスワードが一致しません。\n");
    const VerbRun differ =
        vermilin({"--change-password", "--seal", "経理部長"}, "KEIRI\nNEW1\nNEW2\n");
    EXPECT_EQ(differ.exitCode, 1);
    EXPECT_EQ(differ.err, "Error 1304 : ２つの新しいパスワードが一致しません。\n");
    EXPECT_EQ(filesOf(home.path()), before);

    const VerbRun changed =
        vermilin({"--change-password", "--seal", "経理部長"}, "keiri\r\nnew1\r\nnew1\r\n");
    EXPECT_EQ(changed.exitCode, 0) << changed.err;
    EXPECT_EQ(changed.err, "パスワードが変更されました。\n");

    const VerbRun old = stamp({"s.vrs", "--seal", "経理部長", "--password-stdin"}, "KEIRI\n");
    EXPECT_EQ(old.exitCode, 1);
    EXPECT_EQ(old.err, "Error 1315: Password is incorrect.\n");
    const VerbRun fresh = stamp({"s.vrs", "--seal", "経理部長", "--password-stdin"}, "NEW1\n");
    EXPECT_EQ(fresh.exitCode, 0) << fresh.err;
    const VerbRun verify = vrmgr({"--verify"});
    EXPECT_EQ(verify.exitCode, 0) << verify.out << verify.err;
}

TEST_F(VermilinStamp, HelpListsTheStampingVerbs) {
    const VerbRun help = vermilin({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* word : {"--stamp STAMPFILE", "--change-password", "--password-stdin",
                             "--save-password", "--no-save-password", "--picture", "--seal-date"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
}
