// The --info verb on stamp data built byte by byte outside this code base
// (tests/data/stamper/make_fixtures.py), run in-process as the program runs it.
#include "stamper/cli/command_line.h"
#include "tests/support/test_environment.h"
#include "tests/support/verb_home.h"
#include "tests/support/verb_run.h"

#include <gtest/gtest.h>

using vermil::test::dataFile;
using vermil::test::VerbRun;
using vermil::test::writeFile;

namespace {

std::string fixture(const char* name) {
    return dataFile(std::string("stamper/") + name).string();
}

const char* const japaneseInformation = "文書番号 : A-2012-0042\n"
                                        "承認日 : 2012年3月7日(水) 9時5分\n"
                                        "承認者 : 山田太郎\n"
                                        "承認者の所属 : 経理部\n"
                                        "コメント : 至急\n確認済み\n"
                                        "押印に使われたバージョン :Ver5.6.3\n"
                                        "押印に使われたコンピュータ :KEIRI-PC01\n"
                                        "押印時のWindows ユーザID : yamada\n";

const char* const englishInformation = "Document No : A-2012-0042\n"
                                       "Date : 2012年3月7日(水) 9時5分\n"
                                       "Name : 山田太郎\n"
                                       "Section : 経理部\n"
                                       "Comment : 至急\n確認済み\n"
                                       "Stamp Version :Ver5.6.3\n"
                                       "ComputerName : KEIRI-PC01\n"
                                       "Windows UserID : yamada\n";

class VermilinInfo : public ::testing::Test {
protected:
    VerbRun runVermilin(const std::vector<std::string>& arguments) const {
        return vermil::test::runVerb(vermil::cli::vermilinVerbs(), arguments);
    }
    vermil::test::VerbHome home;
};

} // namespace

TEST_F(VermilinInfo, PrintsTheStampInTheLanguageOfTheSettings) {
    const std::string settings = "[MAIN]\r\nLang=Japanese\r\n";
    writeFile(home / "Documents/hanko.ini", settings);
    const VerbRun japanese = runVermilin({"--info", fixture("SealStamp.bin")});
    EXPECT_EQ(japanese.exitCode, 0) << japanese.err;
    EXPECT_EQ(japanese.out, japaneseInformation);
    EXPECT_EQ(vermil::test::readFile(home / "Documents/hanko.ini"), settings);

    writeFile(home / "Documents/hanko.ini", "[MAIN]\r\nLang=English\r\n");
    const VerbRun english = runVermilin({"--info", fixture("SealStamp.bin")});
    EXPECT_EQ(english.exitCode, 0) << english.err;
    EXPECT_EQ(english.out, englishInformation);
}

TEST_F(VermilinInfo, WithoutSettingsPrintsEnglishAndWritesNothing) {
    const VerbRun run = runVermilin({"--info", fixture("SealStamp.bin")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, englishInformation);
    EXPECT_FALSE(std::filesystem::exists(home / "Documents"));
}

TEST_F(VermilinInfo, UnreadableOrInvalidFilesExitWithTwo) {
    struct Case {
        std::string file;
        std::string message;
    };
    const std::string missing = (home / "missing.bin").string();
    const Case cases[] = {
        {missing, "vermilin: cannot read " + missing + ": No such file or directory\n"},
        {home.path().string(),
         "vermilin: cannot read " + home.path().string() + ": not a regular file\n"},
        {fixture("TruncatedStamp.bin"),
         "vermilin: " + fixture("TruncatedStamp.bin") + " is not valid stamp data: "},
        {fixture("BrokenOversizedLength.bin"),
         "vermilin: " + fixture("BrokenOversizedLength.bin") +
             " is not valid stamp data: the comment declares 2147483647 bytes, more than the "
             "limit of 1048576\n"},
    };
    for (const auto& c : cases) {
        const VerbRun run = runVermilin({"--info", c.file});
        EXPECT_EQ(run.exitCode, 2) << c.file;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.substr(0, c.message.size()), c.message);
    }
}

TEST_F(VermilinInfo, HelpListsTheVerbsAndWrongUseShowsUsage) {
    const VerbRun help = runVermilin({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--info STAMPFILE"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("--help"), std::string::npos);

    // Without arguments the main window opens; a stray operand is a wrong use.
    const std::vector<std::string> wrongUses[] = {
        {"a.vrs"}, {"--info"}, {"--unknown"}, {"--info", "a", "b"}};
    for (const auto& arguments : wrongUses) {
        const VerbRun run = runVermilin(arguments);
        EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(arguments);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Usage: vermilin\n       vermilin VERB [ARGUMENTS]\n"),
                  std::string::npos);
    }
}
