#pragma once

#include "byte_buffer.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vermil {

// A line longer than this (without its line end) is not checked: it counts as
// NG and its first bytes stand for it in the report. Memory per line stays
// bounded whatever the file holds.
inline constexpr std::size_t maxLogLineBytes = std::size_t(1) << 20;

// Bytes read from the log at a time.
inline constexpr std::size_t logBlockBytes = std::size_t(1) << 20;

// An open log file, read once from start to end.
class LogFile {
public:
    // nullopt when the path cannot be opened for reading (or names a folder).
    static std::optional<LogFile> open(const std::filesystem::path& path);

    LogFile(LogFile&& other) noexcept;
    LogFile& operator=(LogFile&& other) noexcept;
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;
    ~LogFile();

    int descriptor() const { return fd_; }
    // The size when it was opened (a log may still grow while it is read).
    std::uint64_t sizeAtOpen() const { return size_; }

private:
    LogFile(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// Cuts a byte stream into pieces of whole lines, so the pieces can be checked
// apart and in parallel.
class LineBlockReader {
public:
    enum class Piece {
        Lines,    // whole lines; the last one may lack its line feed at the end of the file
        LongLine, // the first bytes of a line longer than the limit; the rest is skipped
        End,
        Error,
    };

    LineBlockReader(int fd, std::size_t blockBytes = logBlockBytes,
                    std::size_t maxLineBytes = maxLogLineBytes);

    // Replaces `out` with the next piece's bytes; the buffer `out` held is used
    // again for reading, so handing back used buffers saves allocations.
    Piece next(ByteBuffer& out);

    std::uint64_t bytesRead() const { return bytesRead_; }

private:
    enum class Fill { Data, End, Error };
    Fill readMore();
    Fill skipRestOfLongLine();
    void handOver(ByteBuffer& out, std::size_t length);

    int fd_;
    std::size_t blockBytes_;
    std::size_t maxLineBytes_;
    ByteBuffer pending_;
    bool skipping_ = false;
    bool ended_ = false;
    std::uint64_t bytesRead_ = 0;
};

} // namespace vermil
