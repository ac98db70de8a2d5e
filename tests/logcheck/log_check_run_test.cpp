#include "logcheck/check_command.h"
#include "logcheck/check_report_text.h"
#include "logcheck/cp932_utf8_table.h"
#include "logcheck/log_check_run.h"

#include "common/cp932.h"
#include "common/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

using namespace vermil;
using vermil::test::dataFile;
using vermil::test::readFile;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

// Keeps everything a check delivers, as the dialog does.
class CollectingSink : public CheckSink {
public:
    void deliver(CheckedBlock& block) override {
        report.append(block.report.view());
        counts = block.runningCounts;
        ++blocks;
        for (const CheckedLine& line : block.lines)
            lineTexts.emplace_back(block.text.view().substr(line.offset, line.length));
    }
    std::string report;
    CheckCounts counts;
    int blocks = 0;
    std::vector<std::string> lineTexts;
};

struct CommandResult {
    cli::ExitStatus status;
    std::string out;
    QStringList messages;
};

CommandResult runCommand(const std::filesystem::path& log) {
    std::ostringstream out;
    RecordingPrompter prompter;
    const cli::ExitStatus status = runCheckCommand(log, out, prompter);
    return {status, out.str(), prompter.messages};
}

std::string checkWith(const std::filesystem::path& log, CheckOptions options,
                      CheckCounts* counts = nullptr) {
    auto file = LogFile::open(log);
    EXPECT_TRUE(file.has_value());
    CollectingSink sink;
    options.renderReport = true;
    EXPECT_EQ(checkLog(*file, sink, options), CheckEnd::Finished);
    if (counts)
        *counts = sink.counts;
    return sink.report;
}

const char* const goodLine = "A-001|2012/03/07|09:05|Smith|Sales|ok|yamada|PC01|1C4KS1XF|";

} // namespace

TEST(LogCheckRun, LineEndsAndTheLastLine) {
    TempDir dir;
    const std::string line = goodLine;
    const std::string reported = line + "\n  1C4KS1XF  OK\n";
    struct Case {
        const char* what;
        std::string bytes;
        std::string report;
    } const cases[] = {
        {"CR LF", line + "\r\n" + line + "\r\n", reported + reported + "Total: 2  OK: 2  NG: 0\n"},
        {"LF", line + "\n" + line + "\n", reported + reported + "Total: 2  OK: 2  NG: 0\n"},
        {"no final line feed", line + "\r\n" + line,
         reported + line + "  1C4KS1XF  OK\nTotal: 2  OK: 2  NG: 0\n"},
        {"a CR not before a LF is part of the line",
         "A-001|2012/03/07|09:05|Smith|Sales|o\rk|yamada|PC01|1YZWVHZ8|\r\n",
         "A-001|2012/03/07|09:05|Smith|Sales|o\rk|yamada|PC01|1YZWVHZ8|\n  1YZWVHZ8  OK\n"
         "Total: 1  OK: 1  NG: 0\n"},
        {"empty file", "", "Total: 0  OK: 0  NG: 0\n"},
        {"blank line", line + "\n\n", reported + "\n  QUAVERLY  NG\nTotal: 2  OK: 1  NG: 1\n"},
    };
    for (const auto& c : cases) {
        writeFile(dir / "hanko.log", c.bytes);
        const CommandResult result = runCommand(dir / "hanko.log");
        EXPECT_EQ(result.out, c.report) << c.what;
        const bool anyNg = c.report.find("NG\n") != std::string::npos;
        EXPECT_EQ(result.status, anyNg ? cli::ExitStatus::Fault : cli::ExitStatus::Done) << c.what;
    }
}

TEST(LogCheckRun, LogsWrittenByAnIndependentProgram) {
    struct Case {
        const char* name;
        cli::ExitStatus status;
    } const cases[] = {{"IndependentClean", cli::ExitStatus::Done},
                       {"IndependentMixed", cli::ExitStatus::Done},
                       {"IndependentAltered", cli::ExitStatus::Fault},
                       {"ManyLines", cli::ExitStatus::Fault}};
    for (const auto& c : cases) {
        const std::string base = std::string("logcheck/") + c.name;
        const CommandResult result = runCommand(dataFile(base + ".log"));
        EXPECT_EQ(result.out, readFile(dataFile(base + ".expected"))) << c.name;
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_TRUE(result.messages.isEmpty());
    }
}

TEST(LogCheckRun, BlocksAndCoresNeverChangeTheReport) {
    const auto log = dataFile("logcheck/ManyLines.log");
    CheckCounts whole;
    const std::string expected = checkWith(log, {}, &whole);
    EXPECT_EQ(whole, (CheckCounts{1200, 1187, 13}));
    for (std::size_t blockBytes : {std::size_t(1), std::size_t(7), std::size_t(4096)}) {
        for (unsigned workers : {1u, 2u, 5u}) {
            if (blockBytes == 1 && workers > 1)
                continue; // a thread per byte proves nothing more
            CheckOptions options;
            options.blockBytes = blockBytes;
            options.workers = workers;
            CheckCounts counts;
            EXPECT_EQ(checkWith(log, options, &counts), expected) << blockBytes << " " << workers;
            EXPECT_EQ(counts, whole);
        }
    }
}

TEST(LogCheckRun, LinesBeyondTheLimitAreOneNgLineEach) {
    TempDir dir;
    CheckOptions options;
    options.maxLineBytes = 70;
    options.blockBytes = 16;
    const std::string tooLong(150, 'x');
    const std::string justFits(70, 'y');
    writeFile(dir / "hanko.log", std::string(goodLine) + "\n" + tooLong + "\r\n" + justFits +
                                     "\r\n" + tooLong + "\n" + goodLine + "\n" + tooLong);
    auto file = LogFile::open(dir / "hanko.log");
    ASSERT_TRUE(file);
    CollectingSink sink;
    options.renderReport = true;
    ASSERT_EQ(checkLog(*file, sink, options), CheckEnd::Finished);
    EXPECT_EQ(sink.counts, (CheckCounts{6, 2, 4}));
    const std::string cutReport = std::string(70, 'x') + "\n  --------  NG\n";
    EXPECT_EQ(sink.report, std::string(goodLine) + "\n  1C4KS1XF  OK\n" + cutReport + justFits +
                               "\n  QUAVERLY  NG\n" + cutReport + goodLine + "\n  1C4KS1XF  OK\n" +
                               cutReport);
}

TEST(LogCheckRun, UnreadableLogs) {
    TempDir dir;
    const QString cannotOpen =
        QStringLiteral("Error: ファイルエラー:LOGファイルが開けない可能性があります。");
    for (const auto& path : {dir / "missing.log", dir.path()}) {
        const CommandResult result = runCommand(path);
        EXPECT_EQ(result.status, cli::ExitStatus::UsageOrFileError);
        EXPECT_EQ(result.messages, QStringList{cannotOpen});
        EXPECT_EQ(result.out, "");
    }
    const CommandResult result = runCommand("");
    EXPECT_EQ(result.status, cli::ExitStatus::UsageOrFileError);
    EXPECT_EQ(result.messages,
              QStringList{
                  QStringLiteral("ログファイル名(log)が設定されていません\n設定してください。\n")});
}

TEST(LogCheckRun, CancelStopsBeforeTheNextBlock) {
    auto file = LogFile::open(dataFile("logcheck/ManyLines.log"));
    ASSERT_TRUE(file);
    std::atomic<bool> cancel{true};
    CollectingSink sink;
    EXPECT_EQ(checkLog(*file, sink, {}, &cancel), CheckEnd::Cancelled);
    EXPECT_EQ(sink.blocks, 0);
}

TEST(LogCheckRun, Utf8OfTheReportMatchesTheConverter) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> byte(0, 255), length(0, 64);
    for (int round = 0; round < 20000; ++round) {
        std::string text(static_cast<std::size_t>(length(random)), '\0');
        for (char& c : text)
            c = static_cast<char>(byte(random));
        std::string fast;
        appendCp932AsUtf8(fast, text);
        ASSERT_EQ(fast, cp932ToUtf8(text));
    }
    std::string mixed;
    appendCp932AsUtf8(mixed, sjis("山田ｱｲｳ表示ソ−～") + "abc");
    EXPECT_EQ(mixed, "山田ｱｲｳ表示ソ－～abc"); // CP932 gives − as the full-width minus
}
