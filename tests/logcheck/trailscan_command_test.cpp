// The program itself: verbs, output and exit statuses as scripts see them.
#include "tests/logcheck/generated_log.h"
#include "tests/support/program_run.h"
#include "tests/support/test_environment.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <sys/stat.h>

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

TEST(TrailscanProgram, NgOnlyAndJsonAsScriptsUseThem) {
    // The NG lines of the independent report, each after its number.
    const std::string plain = readFile(dataFile("logcheck/IndependentAltered.expected"));
    std::vector<std::string> reportLines;
    for (std::size_t start = 0; start < plain.size();) {
        const std::size_t end = plain.find('\n', start);
        reportLines.push_back(plain.substr(start, end - start + 1));
        start = end + 1;
    }
    std::string expected;
    for (std::size_t line = 0; line + 1 < reportLines.size(); line += 2)
        if (reportLines[line + 1].ends_with("NG\n"))
            expected +=
                std::to_string(line / 2 + 1) + ": " + reportLines[line] + reportLines[line + 1];
    expected += reportLines.back();
    const ProgramRun ngOnly =
        trailscan({QStringLiteral("--check"), fixture("IndependentAltered.log"),
                   QStringLiteral("--ng-only")});
    EXPECT_EQ(ngOnly.status, 1);
    EXPECT_EQ(ngOnly.out.toStdString(), expected);
    EXPECT_TRUE(QString::fromUtf8(ngOnly.out)
                    .startsWith(QStringLiteral(
                        "2: A-001|2012/03/07|09:05|山本|総務部|確認済み|yamada|PC01|1UWYZGLZ|\n"
                        "  1Y9DAHUX  NG\n3: ")));

    // Options in any order; every output line is a JSON object.
    const ProgramRun json = trailscan({QStringLiteral("--format"), QStringLiteral("json"),
                                       QStringLiteral("--check"), fixture("IndependentMixed.log")});
    EXPECT_EQ(json.status, 0);
    const QList<QByteArray> lines = json.out.split('\n');
    ASSERT_EQ(lines.size(), 6); // four lines, the summary, and the end after the last line feed
    EXPECT_TRUE(lines.back().isEmpty());
    for (int i = 0; i < 5; ++i) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(lines[i], &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << lines[i].toStdString();
        if (i < 4) {
            EXPECT_EQ(document.object().value("line").toInteger(), i + 1);
            EXPECT_EQ(document.object().value("verdict").toString(), QStringLiteral("OK"));
        }
    }
    const QJsonObject summary = QJsonDocument::fromJson(lines[4]).object();
    EXPECT_EQ(summary.value("total").toInteger(), 4);
    EXPECT_EQ(summary.value("bytes").toInteger(), 266);
    EXPECT_EQ(summary.value("path").toString(), fixture("IndependentMixed.log"));

    const ProgramRun wrong = trailscan({QStringLiteral("--check"), fixture("IndependentMixed.log"),
                                        QStringLiteral("--format"), QStringLiteral("yaml")});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.out.isEmpty());
    EXPECT_EQ(wrong.err.toStdString(), "trailscan: --format takes text or json, not yaml\n");

    const ProgramRun help = trailscan({QStringLiteral("--help")});
    EXPECT_TRUE(help.out.contains("--check LOGFILE [--ng-only] [--format text|json]"));
}

TEST(TrailscanProgram, MessagesFollowTheLanguageOfHankoIni) {
    // A FIFO would block a reader that opens it; the program refuses it at once,
    // in the language of MAIN/Lang.
    vermil::test::TempDir home;
    std::filesystem::create_directories(home / "Documents");
    ASSERT_EQ(::mkfifo((home / "pipe.log").c_str(), 0600), 0);
    const std::string pipe = (home / "pipe.log").string();
    const QString program = QStringLiteral(TRAILSCAN_PROGRAM);
    const auto english =
        vermil::test::runProgram(program, home.path(), {"--check", QString::fromStdString(pipe)});
    EXPECT_EQ(english.exitCode, 2);
    EXPECT_EQ(english.err, "Error: ファイルエラー:LOGファイルが開けない可能性があります。\n“" +
                               pipe +
                               "” is not a regular file (it is a folder, a device or a pipe); "
                               "choose a log file.\n");
    vermil::test::writeFile(home / "Documents" / "hanko.ini", "[MAIN]\r\nLang=Japanese\r\n");
    const auto japanese =
        vermil::test::runProgram(program, home.path(), {"--check", QString::fromStdString(pipe)});
    EXPECT_EQ(japanese.exitCode, 2);
    EXPECT_EQ(japanese.err,
              "Error: ファイルエラー:LOGファイルが開けない可能性があります。\n「" + pipe +
                  "」は通常のファイルではありません（フォルダ、デバイス、パイプなど）。"
                  "ログファイルを指定してください。\n");
    EXPECT_TRUE(japanese.out.empty());
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
