#pragma once

#include "byte_buffer.h"
#include "log_file_reader.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace vermil {

struct CheckCounts {
    std::uint64_t total = 0;
    std::uint64_t ok = 0;
    std::uint64_t ng = 0;

    CheckCounts& operator+=(const CheckCounts& other) {
        total += other.total;
        ok += other.ok;
        ng += other.ng;
        return *this;
    }
    bool operator==(const CheckCounts&) const = default;
};

// One line of the report.
struct CheckedLine {
    std::uint32_t offset = 0; // of the line's text in CheckedBlock::text
    std::uint32_t length = 0; // of the text shown, without the line end
    bool ok = false;
    bool tooLong = false; // longer than maxLogLineBytes: not checked, NG
    std::array<char, 8> code{};
};

// The code shown for a line too long to check.
inline constexpr std::array<char, 8> uncheckedCode = {'-', '-', '-', '-', '-', '-', '-', '-'};

// What the workers write into CheckedBlock::report while they check.
enum class Rendering {
    None,
    Report,   // the report of every line, as the dialog shows it
    NgReport, // the report of the NG lines, each to follow its line number
    Json,     // a JSON object per line, each to follow its line number
    NgJson,   // the JSON objects of the NG lines
};

// A rendered line whose text still lacks the line number, which only the
// delivery in file order knows.
struct RenderedLine {
    std::uint32_t line = 0; // in the block
    std::uint32_t end = 0;  // of its text in CheckedBlock::report
};

// Consecutive lines of the log with their verdicts, handed over in file order.
struct CheckedBlock {
    ByteBuffer text; // the lines' CP932 bytes as read
    std::vector<CheckedLine> lines;
    CheckCounts blockCounts;   // of this block's lines
    CheckCounts runningCounts; // of every line up to the end of this block
    std::uint64_t bytesRead = 0;
    ByteBuffer report;                  // the rendered report in UTF-8, when asked for
    std::vector<RenderedLine> rendered; // for the numbered renderings

    // The number of the block's first line in the log, from 1.
    std::uint64_t firstLineNumber() const { return runningCounts.total - blockCounts.total + 1; }
};

class CheckSink {
public:
    virtual ~CheckSink() = default;
    // The sink may move out what it keeps; buffers it leaves are used again.
    virtual void deliver(CheckedBlock& block) = 0;
};

struct CheckOptions {
    Rendering rendering = Rendering::None;
    unsigned workers = 0; // 0: one per processor core
    std::size_t blockBytes = logBlockBytes;
    std::size_t maxLineBytes = maxLogLineBytes;
    std::size_t maxLinesPerBlock = maxLinesInBlock;
};

// OutOfMemory is never returned by checkLog, which throws; it is for the
// callers that catch std::bad_alloc.
enum class CheckEnd { Finished, Cancelled, ReadError, OutOfMemory };

// Checks the log once, from its start to its size at open; blocks reach the
// sink in file order, on the calling thread. Blocks are checked on several
// cores when the file is large. `cancel` is looked at between blocks. Running
// out of memory throws std::bad_alloc; everything the sink got stays valid.
CheckEnd checkLog(LogFile& file, CheckSink& sink, const CheckOptions& options = {},
                  const std::atomic<bool>* cancel = nullptr);

// Checks the lines in block.text, a piece of whole lines (and renders them when
// asked); fills the block's lines, counts and report.
void checkBlock(CheckedBlock& block, bool tooLongLine, const CheckOptions& options);

} // namespace vermil
