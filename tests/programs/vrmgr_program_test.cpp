// vrmgr as a process: exit statuses as the shell sees them, and the window it
// opens without a verb.
#include "tests/support/program_run.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

using vermil::test::ProgramRun;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

ProgramRun vrmgr(const TempDir& home, const QStringList& arguments,
                 const QStringList& environment = {}) {
    return vermil::test::runProgram(QStringLiteral(VRMGR_PROGRAM), home.path(), arguments, {},
                                    environment);
}

} // namespace

TEST(VrmgrProgram, ExitStatusesAsTheShellSeesThem) {
    TempDir home;
    writeFile(home / "seals.csv",
              sjis("経理部長,KEIRI,経理部,本社,山田,osprf_vrm_default.xml,19,19,'YY.MM.DD\r\n"));
    const ProgramRun imported = vrmgr(home, {"--import", "seals.csv"});
    EXPECT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.err, "インポート処理が完了しました。\n登録数：1\n");
    const ProgramRun listed = vrmgr(home, {"--list"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.out, "経理部長\n");

    EXPECT_EQ(vrmgr(home, {"--import", "seals.csv"}).exitCode, 1); // stopped: the name is taken
    EXPECT_EQ(vrmgr(home, {"--show", "経理"}).exitCode, 1);
    EXPECT_EQ(vrmgr(home, {"--import", "nothing.csv"}).exitCode, 2);
    EXPECT_EQ(vrmgr(home, {"--bogus"}).exitCode, 2);
    const ProgramRun help = vrmgr(home, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--import CSVFILE"), std::string::npos) << help.out;
}

TEST(VrmgrProgram, WithoutAVerbItOpensItsWindow) {
    TempDir home;
    // Without any display plugin it gets that far.
    const ProgramRun bare = vrmgr(home, {}, {"QT_QPA_PLATFORM=vermil-test-no-display"});
    EXPECT_NE(bare.err.find("Qt platform plugin"), std::string::npos) << bare.err;
    EXPECT_EQ(bare.err.find("Usage:"), std::string::npos);
}
