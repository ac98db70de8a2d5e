#include "log_file_reader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vermil {

std::optional<LogFile> LogFile::open(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return LogFile(fd, S_ISREG(info.st_mode) ? static_cast<std::uint64_t>(info.st_size) : 0);
}

LogFile::LogFile(LogFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_) {}

LogFile& LogFile::operator=(LogFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        size_ = other.size_;
    }
    return *this;
}

LogFile::~LogFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

LineBlockReader::LineBlockReader(int fd, std::size_t blockBytes, std::size_t maxLineBytes)
    : fd_(fd), blockBytes_(blockBytes), maxLineBytes_(maxLineBytes) {}

LineBlockReader::Fill LineBlockReader::readMore() {
    char* room = pending_.prepare(blockBytes_);
    for (;;) {
        const ssize_t got = ::read(fd_, room, blockBytes_);
        if (got < 0 && errno == EINTR)
            continue;
        pending_.commit(room + (got > 0 ? got : 0));
        if (got < 0)
            return Fill::Error;
        if (got == 0)
            return Fill::End;
        bytesRead_ += static_cast<std::uint64_t>(got);
        return Fill::Data;
    }
}

LineBlockReader::Fill LineBlockReader::skipRestOfLongLine() {
    for (;;) {
        const auto* lineFeed =
            static_cast<const char*>(std::memchr(pending_.data(), '\n', pending_.size()));
        if (lineFeed) {
            pending_.eraseFront(static_cast<std::size_t>(lineFeed - pending_.data()) + 1);
            skipping_ = false;
            return Fill::Data;
        }
        pending_.clear();
        const Fill fill = readMore();
        if (fill != Fill::Data)
            return fill;
    }
}

void LineBlockReader::handOver(ByteBuffer& out, std::size_t length) {
    // The piece keeps the buffer it was read into; only the start of the next
    // line moves, into the buffer the caller handed in.
    out.assign(pending_.view().substr(length));
    pending_.truncate(length);
    pending_.swap(out);
}

LineBlockReader::Piece LineBlockReader::next(ByteBuffer& out) {
    if (ended_)
        return Piece::End;
    for (;;) {
        if (skipping_) {
            const Fill skipped = skipRestOfLongLine();
            if (skipped != Fill::Data) {
                ended_ = true;
                return skipped == Fill::Error ? Piece::Error : Piece::End;
            }
        }
        const Fill fill = readMore();
        if (fill == Fill::Error) {
            ended_ = true;
            return Piece::Error;
        }
        if (fill == Fill::End) {
            ended_ = true;
            if (pending_.empty())
                return Piece::End;
            out.swap(pending_);
            pending_.clear();
            return Piece::Lines;
        }
        const char* data = pending_.data();
        const auto* lastLineFeed = static_cast<const char*>(::memrchr(data, '\n', pending_.size()));
        if (lastLineFeed) {
            handOver(out, static_cast<std::size_t>(lastLineFeed - data) + 1);
            return Piece::Lines;
        }
        // One byte more than the limit: a carriage return may still stand before its line feed.
        if (pending_.size() > maxLineBytes_ + 1) {
            handOver(out, maxLineBytes_ + 1);
            skipping_ = true;
            return Piece::LongLine;
        }
    }
}

} // namespace vermil
