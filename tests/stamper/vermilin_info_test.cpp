// The --info verb run as a program on stamp data built byte by byte outside this
// code base (tests/data/stamper/make_fixtures.py).
#include "tests/stamper/vermilin_process.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

using vermil::test::dataFile;
using vermil::test::ProgramRun;
using vermil::test::runVermilin;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

QString fixture(const char* name) {
    return QString::fromStdString(dataFile(std::string("stamper/") + name).string());
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
    void SetUp() override {
#ifndef VERMILIN_PROGRAM
        GTEST_SKIP() << "the vermilin program is not built";
#endif
    }
    TempDir home;
};

} // namespace

TEST_F(VermilinInfo, PrintsTheStampInTheLanguageOfTheSettings) {
    const std::string settings = "[MAIN]\r\nLang=Japanese\r\n";
    writeFile(home / "Documents/hanko.ini", settings);
    const ProgramRun japanese = runVermilin(home, {"--info", fixture("SealStamp.bin")});
    EXPECT_EQ(japanese.exitCode, 0) << japanese.err;
    EXPECT_EQ(japanese.out, japaneseInformation);
    EXPECT_EQ(vermil::test::readFile(home / "Documents/hanko.ini"), settings);

    writeFile(home / "Documents/hanko.ini", "[MAIN]\r\nLang=English\r\n");
    const ProgramRun english = runVermilin(home, {"--info", fixture("SealStamp.bin")});
    EXPECT_EQ(english.exitCode, 0) << english.err;
    EXPECT_EQ(english.out, englishInformation);
}

TEST_F(VermilinInfo, WithoutSettingsPrintsEnglishAndWritesNothing) {
    const ProgramRun run = runVermilin(home, {"--info", fixture("SealStamp.bin")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, englishInformation);
    EXPECT_FALSE(std::filesystem::exists(home / "Documents"));
}

TEST_F(VermilinInfo, UnreadableOrInvalidFilesExitWithTwo) {
    struct Case {
        QString file;
        std::string message;
    };
    const std::string missing = (home / "missing.bin").string();
    const Case cases[] = {
        {QString::fromStdString(missing),
         "vermilin: cannot read " + missing + ": No such file or directory\n"},
        {QString::fromStdString(home.path().string()),
         "vermilin: cannot read " + home.path().string() + ": not a regular file\n"},
        {fixture("TruncatedStamp.bin"),
         "vermilin: " + fixture("TruncatedStamp.bin").toStdString() + " is not valid stamp data: "},
        {fixture("BrokenOversizedLength.bin"),
         "vermilin: " + fixture("BrokenOversizedLength.bin").toStdString() +
             " is not valid stamp data: the comment declares 2147483647 bytes, more than the "
             "limit of 1048576\n"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = runVermilin(home, {"--info", c.file});
        EXPECT_EQ(run.exitCode, 2) << c.file.toStdString();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.substr(0, c.message.size()), c.message);
    }
}

TEST_F(VermilinInfo, HelpListsTheVerbsAndWrongUseShowsUsage) {
    const ProgramRun help = runVermilin(home, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--info STAMPFILE"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("--help"), std::string::npos);

    // Without arguments the main window opens; a stray operand is a wrong use.
    const QStringList wrongUses[] = {{"a.vrs"}, {"--info"}, {"--unknown"}, {"--info", "a", "b"}};
    for (const QStringList& arguments : wrongUses) {
        const ProgramRun run = runVermilin(home, arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Usage: vermilin\n       vermilin VERB [ARGUMENTS]\n"),
                  std::string::npos);
    }
}
