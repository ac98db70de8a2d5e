// The stamping program writes the stamp log and the log checker reads it; the two
// share no code. These tests hold them to one line format: every line the writer
// makes verifies in the checker.
#include "logcheck/log_check_run.h"
#include "logcheck/log_line_check.h"

#include "stamplog/stamp_log.h"
#include "tests/stamper/sample_stamp_log_entry.h"
#include "tests/support/test_environment.h"

#include <gtest/gtest.h>

using namespace vermil;
using vermil::test::sampleStampLogEntry;
using vermil::test::sjis;
using vermil::test::TempDir;
using vermil::test::writeFile;

namespace {

// A line as the stamping program writes it, without its line end.
std::string writtenLine(const StampLogEntry& entry, int format = 0) {
    std::string line = stampLogLine(entry, format);
    line.resize(line.size() - 2);
    return line;
}

class CountingSink : public CheckSink {
public:
    void deliver(CheckedBlock& block) override { counts = block.runningCounts; }
    CheckCounts counts;
};

} // namespace

TEST(StampLogContract, TheSampleLineVerifiesWithItsCode) {
    LogLineChecker checker;
    for (int format : {0, 1}) {
        const LineVerdict verdict = checker.check(writtenLine(sampleStampLogEntry(), format));
        EXPECT_TRUE(verdict.ok) << format;
        EXPECT_EQ(std::string(verdict.code.data(), verdict.code.size()), "1UWYZGLZ") << format;
    }
}

TEST(StampLogContract, EveryLineTheWriterMakesVerifies) {
    // Separators, tabs and line breaks inside fields, double-byte characters
    // whose second byte is a separator, and fields far longer than the old limit.
    const std::string awkward[] = {"a,b",
                                   "x|y",
                                   "t\tab",
                                   sjis("ポ|ポ,"),
                                   "\x83",
                                   std::string(3000, 'W'),
                                   sjis("表示−ソフト"),
                                   "",
                                   "two\nlines"};
    LogLineChecker checker;
    for (int format : {0, 1}) {
        for (const std::string& text : awkward) {
            StampLogEntry entry = sampleStampLogEntry();
            entry.documentNumber = text;
            entry.name = text;
            entry.comment = text + "\r\nsecond line";
            entry.computer = text;
            EXPECT_TRUE(checker.check(writtenLine(entry, format)).ok) << text << format;
        }
    }
    // The whole line with its CR LF, as the file holds it, is one line.
    EXPECT_EQ(stampLogLine(sampleStampLogEntry(), 0).find('\n'),
              stampLogLine(sampleStampLogEntry(), 0).size() - 1);
}

TEST(StampLogContract, VeryLongLinesAreCheckedWhole) {
    // Far beyond the 1022 bytes the old checker read at a time, and across blocks.
    TempDir dir;
    StampLogEntry entry;
    entry.documentNumber = "A-001";
    entry.name = std::string(100000, 'N');
    entry.comment = sjis("長い") + std::string(5000, 'c');
    writeFile(dir / "hanko.log", stampLogLine(entry, 0) + stampLogLine(entry, 1));
    for (std::size_t blockBytes : {std::size_t(4096), logBlockBytes}) {
        std::error_code error;
        auto file = LogFile::open(dir / "hanko.log", error);
        ASSERT_TRUE(file.has_value());
        CheckOptions options;
        options.blockBytes = blockBytes;
        CountingSink sink;
        EXPECT_EQ(checkLog(*file, sink, options), CheckEnd::Finished);
        EXPECT_EQ(sink.counts, (CheckCounts{2, 2, 0})) << blockBytes;
    }
}
