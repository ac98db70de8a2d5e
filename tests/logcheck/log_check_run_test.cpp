#include "logcheck/check_command.h"
#include "logcheck/cp932_utf8_table.h"
#include "logcheck/log_check_run.h"
#include "logcheck/report/check_report_text.h"

#include "common/cp932.h"
#include "tests/logcheck/generated_log.h"
#include "tests/support/recording_prompter.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    CheckRequest request;
    request.logPath = log;
    const cli::ExitStatus status = runCheckCommand(request, out, prompter);
    return {status, out.str(), prompter.messages};
}

// The log, opened as the checker opens it.
std::optional<LogFile> openLog(const std::filesystem::path& path) {
    std::error_code error;
    auto file = LogFile::open(path, error);
    EXPECT_FALSE(error) << path << ": " << error.message();
    return file;
}

std::string checkWith(const std::filesystem::path& log, CheckOptions options,
                      CheckCounts* counts = nullptr) {
    auto file = openLog(log);
    EXPECT_TRUE(file.has_value());
    CollectingSink sink;
    options.rendering = Rendering::Report;
    EXPECT_EQ(checkLog(*file, sink, options), CheckEnd::Finished);
    if (counts)
        *counts = sink.counts;
    return sink.report;
}

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

const char* const goodLine = "A-001|2012/03/07|09:05|Smith|Sales|ok|yamada|PC01|1C4KS1XF|";

} // namespace

TEST(LogCheckRun, LineEndsAndTheLastLine) {
    TempDir dir;
    const std::string line = goodLine; // 59 bytes
    const std::string reported = line + "\n  1C4KS1XF  OK\n";
    struct Case {
        const char* what;
        std::string bytes;
        std::string report;
    } const cases[] = {
        {"CR LF", line + "\r\n" + line + "\r\n",
         reported + reported + "Total: 2  OK: 2  NG: 0  Bytes: 122\n"},
        {"LF", line + "\n" + line + "\n",
         reported + reported + "Total: 2  OK: 2  NG: 0  Bytes: 120\n"},
        // The verdict of a last line without a line feed stands on a line of its own.
        {"no final line feed", line + "\r\n" + line,
         reported + reported + "Total: 2  OK: 2  NG: 0  Bytes: 120\n"},
        {"no final line feed after an NG line", line + "\r\nEND|x|VYWL2CWW|",
         reported + "END|x|VYWL2CWW|\n  ZFVBYWPV  NG\nTotal: 2  OK: 1  NG: 1  Bytes: 76\n"},
        {"a CR not before a LF is part of the line",
         "A-001|2012/03/07|09:05|Smith|Sales|o\rk|yamada|PC01|1YZWVHZ8|\r\n",
         "A-001|2012/03/07|09:05|Smith|Sales|o\rk|yamada|PC01|1YZWVHZ8|\n  1YZWVHZ8  OK\n"
         "Total: 1  OK: 1  NG: 0  Bytes: 62\n"},
        {"a last line of a bare CR", line + "\n\r",
         reported + "\r\n  QUAVERLY  NG\n"
                    "Total: 2  OK: 1  NG: 1  Bytes: 61\n"},
        {"empty file", "", "Total: 0  OK: 0  NG: 0  Bytes: 0\n"},
        {"blank line", line + "\n\n",
         reported + "\n  QUAVERLY  NG\nTotal: 2  OK: 1  NG: 1  Bytes: 61\n"},
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
            for (std::size_t maxLines : {std::size_t(1), std::size_t(7), maxLinesInBlock}) {
                if (blockBytes == 1 && maxLines != maxLinesInBlock)
                    continue; // a block of one byte holds one line at most anyway
                CheckOptions options;
                options.blockBytes = blockBytes;
                options.workers = workers;
                options.maxLinesPerBlock = maxLines;
                CheckCounts counts;
                EXPECT_EQ(checkWith(log, options, &counts), expected)
                    << blockBytes << " " << workers << " " << maxLines;
                EXPECT_EQ(counts, whole);
            }
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
    auto file = openLog(dir / "hanko.log");
    ASSERT_TRUE(file);
    CollectingSink sink;
    options.rendering = Rendering::Report;
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
    const CommandResult missing = runCommand(dir / "missing.log");
    EXPECT_EQ(missing.status, cli::ExitStatus::UsageOrFileError);
    EXPECT_EQ(missing.messages, QStringList{cannotOpen});
    EXPECT_EQ(missing.out, "");

    // Only a regular file is read: a device or a pipe could block or never end.
    ASSERT_EQ(::mkfifo((dir / "pipe.log").c_str(), 0600), 0);
    for (const std::filesystem::path& path :
         {dir.path(), std::filesystem::path("/dev/zero"), std::filesystem::path("/dev/urandom"),
          dir / "pipe.log"}) {
        const CommandResult result = runCommand(path);
        EXPECT_EQ(result.status, cli::ExitStatus::UsageOrFileError) << path;
        EXPECT_EQ(result.messages,
                  QStringList{cannotOpen + QStringLiteral("\n“") + qpath(path) +
                              QStringLiteral("” is not a regular file (it is a folder, a device or "
                                             "a pipe); choose a log file.")})
            << path;
        EXPECT_EQ(result.out, "") << path;
    }
    const CommandResult result = runCommand("");
    EXPECT_EQ(result.status, cli::ExitStatus::UsageOrFileError);
    EXPECT_EQ(result.messages,
              QStringList{
                  QStringLiteral("ログファイル名(log)が設定されていません\n設定してください。\n")});
}

TEST(LogCheckRun, OnlyRegularFilesOpenAndAPipeNeverBlocks) {
    TempDir dir;
    writeFile(dir / "hanko.log", std::string(goodLine) + "\r\n");
    std::filesystem::create_symlink(dir / "hanko.log", dir / "link.log");
    std::filesystem::create_symlink("/dev/zero", dir / "zero.log");
    ASSERT_EQ(::mkfifo((dir / "idle.log").c_str(), 0600), 0); // no writer: opening it would block
    ASSERT_EQ(::mkfifo((dir / "fed.log").c_str(), 0600), 0);
    const int writer = ::open((dir / "fed.log").c_str(), O_RDWR);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::write(writer, "x\n", 2), 2);
    enum class Opens { Yes, NotARegularFile, CannotOpen };
    struct Case {
        std::filesystem::path path;
        Opens opens;
    } const cases[] = {
        {dir / "hanko.log", Opens::Yes},
        {dir / "link.log", Opens::Yes},
        {dir / "zero.log", Opens::NotARegularFile},
        {dir / "idle.log", Opens::NotARegularFile},
        {dir / "fed.log", Opens::NotARegularFile},
        {"/dev/null", Opens::NotARegularFile},
        {dir / "missing.log", Opens::CannotOpen},
    };
    for (const Case& c : cases) {
        std::error_code error = std::make_error_code(std::errc::io_error);
        const auto file = LogFile::open(c.path, error);
        EXPECT_EQ(file.has_value(), c.opens == Opens::Yes) << c.path;
        EXPECT_EQ(!error, c.opens == Opens::Yes) << c.path;
        EXPECT_EQ(isNotRegularFile(error), c.opens == Opens::NotARegularFile) << c.path;
        if (file) {
            EXPECT_EQ(file->sizeAtOpen(), std::strlen(goodLine) + 2);
        }
    }
    ::close(writer);
}

TEST(LogCheckRun, AGrowingLogIsCheckedAsItWasWhenTheCheckStarted) {
    // A busy writer appends while the check runs; the check stops at the size
    // the log had when it was opened, and says how many bytes that was.
    TempDir dir;
    const test::GeneratedLog log = test::generateLog(64u << 10, 0);
    writeFile(dir / "hanko.log", log.bytes);
    class AppendingSink : public CollectingSink {
    public:
        explicit AppendingSink(std::filesystem::path path) : path_(std::move(path)) {}
        void deliver(CheckedBlock& block) override {
            CollectingSink::deliver(block);
            bytesRead = block.bytesRead;
            std::FILE* file = std::fopen(path_.c_str(), "ab");
            const std::string more = test::generateLog(8192, 1).bytes;
            std::fwrite(more.data(), 1, more.size(), file);
            std::fclose(file);
        }
        std::uint64_t bytesRead = 0;

    private:
        std::filesystem::path path_;
    };
    auto file = openLog(dir / "hanko.log");
    ASSERT_TRUE(file);
    AppendingSink sink(dir / "hanko.log");
    CheckOptions options;
    options.blockBytes = 4096;
    ASSERT_EQ(checkLog(*file, sink, options), CheckEnd::Finished);
    EXPECT_GT(sink.blocks, 10);
    EXPECT_EQ(sink.counts, (CheckCounts{log.lines, log.lines, 0}));
    EXPECT_EQ(sink.bytesRead, log.bytes.size());
    EXPECT_GT(std::filesystem::file_size(dir / "hanko.log"), 2 * log.bytes.size());

    const CommandResult again = runCommand(dir / "hanko.log");
    const std::string totals =
        "  Bytes: " + std::to_string(std::filesystem::file_size(dir / "hanko.log")) + "\n";
    EXPECT_TRUE(again.out.ends_with(totals)) << again.out.substr(again.out.size() - 80);
}

TEST(LogCheckRun, BareLineFeedsComeInBlocksOfBoundedLines) {
    // A million lines in one read: handed on in blocks of bounded line counts,
    // so the bookkeeping per block stays small whatever the file holds.
    TempDir dir;
    writeFile(dir / "hanko.log", std::string(1u << 20, '\n') + "QUAVERLY|");
    auto file = openLog(dir / "hanko.log");
    ASSERT_TRUE(file);
    class BlockSizes : public CheckSink {
    public:
        void deliver(CheckedBlock& block) override {
            largest = std::max(largest, block.lines.size());
            counts = block.runningCounts;
        }
        std::size_t largest = 0;
        CheckCounts counts;
    } sink;
    ASSERT_EQ(checkLog(*file, sink), CheckEnd::Finished);
    EXPECT_EQ(sink.counts, (CheckCounts{(1u << 20) + 1, 1, 1u << 20}));
    EXPECT_LE(sink.largest, maxLinesInBlock);
    EXPECT_EQ(sink.largest, maxLinesInBlock);
}

TEST(LogCheckRun, WholeLinesEndAtTheLastLineFeedWithinTheLineLimit) {
    struct Case {
        std::string bytes;
        std::size_t maxLines;
        std::size_t end;
    } const cases[] = {
        {"", 3, 0},
        {"abc", 3, 0},
        {"a\nb", 3, 2},
        {"a\nb\nc\nd\n", 2, 4},
        {"a\nb\nc\nd\n", 4, 8},
        {"a\nb\nc\nd\n", 9, 8},
        {std::string(200, '\n'), 130, 130},
        {std::string(200, 'x') + "\n" + std::string(100, '\n'), 1, 201},
        {std::string(200, 'x') + "\n" + std::string(100, '\n'), 70, 270},
        {std::string(150, 'x') + "\n" + std::string(150, 'y'), 2, 151},
        {std::string(130, '\n') + std::string(70, 'z'), 128, 128},
        // Counted in batches of 4096 bytes.
        {std::string(10000, '\n'), 5000, 5000},
        {std::string(10000, '\n'), 4096, 4096},
        {std::string(10000, '\n'), 4097, 4097},
        {std::string(9000, 'x') + std::string(10, '\n') + std::string(99, 'y'), 3, 9003},
        {std::string(9000, 'x') + std::string(10, '\n') + std::string(99, 'y'), 50, 9010},
    };
    for (const Case& c : cases)
        EXPECT_EQ(endOfWholeLines(c.bytes, c.maxLines), c.end)
            << c.bytes.size() << " " << c.maxLines;
}

TEST(LogCheckRun, CancelStopsBeforeTheNextBlock) {
    auto file = openLog(dataFile("logcheck/ManyLines.log"));
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
