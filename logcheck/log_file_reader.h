#pragma once

#include "byte_buffer.h"

#include "common/files/regular_file.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

namespace vermil {

// A line longer than this (without its line end) is not checked: it counts as
// NG and its first bytes stand for it in the report. Memory per line stays
// bounded whatever the file holds.
inline constexpr std::size_t maxLogLineBytes = std::size_t(1) << 20;

// Bytes read from the log at a time.
inline constexpr std::size_t logBlockBytes = std::size_t(1) << 20;

// Lines handed on at a time. Every line in flight costs a few dozen bytes of
// bookkeeping, so a file of bare line feeds would otherwise need many times its
// block size; a stamp line is some 90 bytes, so a normal block stays whole.
inline constexpr std::size_t maxLinesInBlock = 16384;

// An open log file, read once from start to end.
class LogFile {
public:
    // Only regular files are opened: a device or a FIFO could block the open or
    // never end. nullopt with the reason in `error` when the path cannot be read;
    // isNotRegularFile(error) tells a file of the wrong kind from one that cannot
    // be opened (missing, no rights).
    static std::optional<LogFile> open(const std::filesystem::path& path, std::error_code& error);

    int descriptor() const { return file_.descriptor(); }
    // The size when it was opened: the check reads this much and no more, so a
    // log that grows while it is read is checked as it was.
    std::uint64_t sizeAtOpen() const { return file_.sizeAtOpen(); }

private:
    explicit LogFile(RegularFile file) : file_(std::move(file)) {}
    RegularFile file_;
};

struct LineBlockLimits {
    std::size_t blockBytes = logBlockBytes;
    std::size_t maxLineBytes = maxLogLineBytes;
    std::size_t maxLines = maxLinesInBlock;
};

// Cuts the first `bytesToRead` bytes of a file into pieces of whole lines, so
// the pieces can be checked apart and in parallel.
class LineBlockReader {
public:
    enum class Piece {
        Lines,    // whole lines; the last one may lack its line feed at the end
        LongLine, // the first bytes of a line longer than the limit; the rest is read and skipped
        End,
        Error,
    };

    LineBlockReader(int fd, std::uint64_t bytesToRead, const LineBlockLimits& limits = {});

    // Replaces `out` with the next piece's bytes; the buffer `out` held is used
    // again for reading, so handing back used buffers saves allocations.
    Piece next(ByteBuffer& out);

    // Bytes read so far, the skipped rest of a long line included.
    std::uint64_t bytesRead() const { return bytesRead_; }

private:
    enum class Fill { Data, End, Error };
    Fill readMore();
    Fill skipRestOfLongLine();
    std::string_view held() const { return pending_.view().substr(start_); }
    void handOver(ByteBuffer& out, std::size_t length);

    int fd_;
    std::uint64_t bytesToRead_;
    LineBlockLimits limits_;
    ByteBuffer pending_; // bytes read and not handed on start at start_
    std::size_t start_ = 0;
    bool ended_ = false;
    bool failed_ = false; // a read failed while the rest of a long line was skipped
    std::uint64_t bytesRead_ = 0;
};

// Where a piece of at most `maxLines` whole lines of `bytes` ends: after its
// last line feed, 0 when there is none.
std::size_t endOfWholeLines(std::string_view bytes, std::size_t maxLines);

} // namespace vermil
