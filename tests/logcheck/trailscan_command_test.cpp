// The program itself: verbs, output and exit statuses as scripts see them.
#include "tests/logcheck/generated_log.h"
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
    EXPECT_TRUE(altered.out.endsWith("Total: 10  OK: 5  NG: 5  Bytes: 528\n"));
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

namespace {

struct LimitedRun {
    bool crashed;
    int status;
    QByteArray out;
    QByteArray err;
};

// trailscan --check under an address-space limit (ulimit -v, in KiB), with at
// most two malloc arenas so the limit measures memory used, not reserved. The
// report goes to /dev/null.
LimitedRun checkUnderLimit(const std::filesystem::path& log, long kib) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MALLOC_ARENA_MAX"), QStringLiteral("2"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"),
                   QStringLiteral("ulimit -v %1 && exec \"$0\" --check \"$1\" >/dev/null").arg(kib),
                   QStringLiteral(TRAILSCAN_PROGRAM), QString::fromStdString(log.string())});
    process.waitForFinished(-1);
    return {process.exitStatus() != QProcess::NormalExit, process.exitCode(),
            process.readAllStandardOutput(), process.readAllStandardError()};
}

// The least limit (to 2 MiB) under which `log` is checked to the end.
long leastWorkingLimit(const std::filesystem::path& log, int okStatus) {
    long low = 16 * 1024, high = 4 * 1024 * 1024;
    while (high - low > 2048) {
        const long middle = (low + high) / 2;
        (checkUnderLimit(log, middle).status == okStatus ? high : low) = middle;
    }
    return high;
}

} // namespace

TEST(TrailscanProgram, BareLineFeedsNeedNoMoreMemoryThanALogOfStampLines) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "sanitizers reserve more address space than any limit leaves";
#endif
    vermil::test::TempDir dir;
    const std::size_t bytes = 4u << 20;
    vermil::test::writeFile(dir / "stamps.log", vermil::test::generateLog(bytes, 0).bytes);
    vermil::test::writeFile(dir / "bare.log", std::string(bytes, '\n'));
    const long stampsNeed = leastWorkingLimit(dir / "stamps.log", 0);

    // As many lines as bytes: cut into blocks of bounded lines, no more than the
    // stamp lines need (it used to be some 250 MiB more, and aborted).
    const LimitedRun bare = checkUnderLimit(dir / "bare.log", stampsNeed);
    EXPECT_FALSE(bare.crashed) << bare.err.toStdString();
    EXPECT_EQ(bare.status, 1) << bare.err.toStdString();
    EXPECT_TRUE(bare.err.isEmpty()) << bare.err.toStdString();

    // Under any smaller limit the check goes through or ends with a message and
    // status 2, never an abort; far below, the program cannot even be loaded.
    int refused = 0;
    for (long kib = stampsNeed - 4096; kib > 0; kib -= 4096) {
        const LimitedRun run = checkUnderLimit(dir / "bare.log", kib);
        ASSERT_FALSE(run.crashed) << kib << " KiB: " << run.err.toStdString();
        if (run.status == 127)
            break; // the loader could not map the libraries
        if (run.status == 1)
            continue;
        EXPECT_EQ(run.status, 2) << kib << " KiB: " << run.err.toStdString();
        EXPECT_EQ(run.err.toStdString(), "Error: not enough memory to check the log.\n") << kib;
        ++refused;
    }
    EXPECT_GT(refused, 0);
}
