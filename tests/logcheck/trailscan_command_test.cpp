// The program itself: verbs, output and exit statuses as scripts see them.
#include "tests/support/test_environment.h"

#include <QProcess>

#include <gtest/gtest.h>

using vermil::test::dataFile;
using vermil::test::readFile;

namespace {

struct ProgramRun {
    int status;
    QByteArray out;
    QByteArray err;
};

ProgramRun trailscan(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(TRAILSCAN_PROGRAM), arguments);
    process.waitForFinished(-1);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString fixture(const char* name) {
    return QString::fromStdString(dataFile(std::string("logcheck/") + name).string());
}

} // namespace

TEST(TrailscanProgram, CheckPrintsTheReportAndExitsByVerdict) {
    const ProgramRun clean =
        trailscan({QStringLiteral("--check"), fixture("IndependentClean.log")});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out.toStdString(), readFile(dataFile("logcheck/IndependentClean.expected")));
    EXPECT_TRUE(clean.err.isEmpty());

    const ProgramRun altered =
        trailscan({QStringLiteral("--check"), fixture("IndependentAltered.log")});
    EXPECT_EQ(altered.status, 1);
    EXPECT_TRUE(altered.out.endsWith("Total: 10  OK: 5  NG: 5\n"));
}

TEST(TrailscanProgram, FailuresAndUsage) {
    const ProgramRun missing =
        trailscan({QStringLiteral("--check"), QStringLiteral("/nonexistent/x.log")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(QString::fromUtf8(missing.err),
              QStringLiteral("Error: ファイルエラー:LOGファイルが開けない可能性があります。\n"));

    const ProgramRun help = trailscan({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("--check LOGFILE"));

    for (const QStringList& wrong :
         {QStringList{QStringLiteral("--check")}, QStringList{QStringLiteral("--frobnicate")},
          QStringList{QStringLiteral("--check"), QStringLiteral("a"), QStringLiteral("b")}}) {
        const ProgramRun run = trailscan(wrong);
        EXPECT_EQ(run.status, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}
