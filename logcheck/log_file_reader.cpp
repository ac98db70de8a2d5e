#include "log_file_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <unistd.h>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vermil {
namespace {

// Line feeds in `bytes`: SSE2 compares 16 bytes at a time and keeps a count
// per byte lane, summed every 255 rounds before a lane can overflow.
std::size_t countLineFeeds(std::string_view bytes) {
    std::size_t count = 0;
    std::size_t pos = 0;
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    while (pos + 16 <= bytes.size()) {
        __m128i lanes = _mm_setzero_si128();
        for (int round = 0; round < 255 && pos + 16 <= bytes.size(); ++round, pos += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + pos));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(v, lineFeed));
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                 static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
    }
#endif
    for (; pos < bytes.size(); ++pos)
        count += bytes[pos] == '\n';
    return count;
}

std::size_t afterLastLineFeed(std::string_view bytes) {
    if (bytes.empty())
        return 0;
    const auto* last = static_cast<const char*>(::memrchr(bytes.data(), '\n', bytes.size()));
    return last ? static_cast<std::size_t>(last - bytes.data()) + 1 : 0;
}

} // namespace

std::size_t endOfWholeLines(std::string_view bytes, std::size_t maxLines) {
    if (maxLines == 0)
        maxLines = 1;
    // Fewer bytes than the limit cannot hold too many lines, and a normal log
    // has far fewer: counted in batches, the line feeds are looked for one by
    // one only in the batch where the limit is reached.
    constexpr std::size_t batch = 4096;
    if (bytes.size() <= maxLines)
        return afterLastLineFeed(bytes);
    std::size_t seen = 0;
    for (std::size_t pos = 0; pos < bytes.size(); pos += batch) {
        const std::string_view part = bytes.substr(pos, batch);
        const std::size_t inPart = countLineFeeds(part);
        if (seen + inPart < maxLines) {
            seen += inPart;
            continue;
        }
        for (std::size_t i = 0;; ++i) {
            if (part[i] == '\n' && ++seen == maxLines)
                return pos + i + 1;
        }
    }
    return afterLastLineFeed(bytes);
}

std::optional<LogFile> LogFile::open(const std::filesystem::path& path, std::error_code& error) {
    // A log has no size limit: it is read in blocks of bounded size.
    std::optional<RegularFile> file =
        RegularFile::open(path, std::numeric_limits<std::uintmax_t>::max(), error);
    if (!file)
        return std::nullopt;
    // Opened without blocking; the check's reads wait as reads of a file do.
    const int fd = file->descriptor();
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        error = {errno, std::generic_category()};
        return std::nullopt;
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return LogFile(std::move(*file));
}

LineBlockReader::LineBlockReader(int fd, std::uint64_t bytesToRead, const LineBlockLimits& limits)
    : fd_(fd), bytesToRead_(bytesToRead), limits_(limits) {}

LineBlockReader::Fill LineBlockReader::readMore() {
    // What is held is at most the start of one line: move it to the front.
    pending_.eraseFront(start_);
    start_ = 0;
    const std::uint64_t left = bytesToRead_ - bytesRead_;
    if (left == 0)
        return Fill::End;
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(limits_.blockBytes, left));
    char* room = pending_.prepare(want);
    for (;;) {
        const ssize_t got = ::read(fd_, room, want);
        if (got < 0 && errno == EINTR)
            continue;
        pending_.commit(room + (got > 0 ? got : 0));
        if (got < 0)
            return Fill::Error;
        if (got == 0) // the file became shorter while it was read
            return Fill::End;
        bytesRead_ += static_cast<std::uint64_t>(got);
        return Fill::Data;
    }
}

LineBlockReader::Fill LineBlockReader::skipRestOfLongLine() {
    for (;;) {
        const std::string_view rest = held();
        const auto* lineFeed =
            static_cast<const char*>(std::memchr(rest.data(), '\n', rest.size()));
        if (lineFeed) {
            start_ += static_cast<std::size_t>(lineFeed - rest.data()) + 1;
            return Fill::Data;
        }
        pending_.clear();
        start_ = 0;
        const Fill fill = readMore();
        if (fill != Fill::Data)
            return fill;
    }
}

void LineBlockReader::handOver(ByteBuffer& out, std::size_t length) {
    const std::string_view piece = held().substr(0, length);
    const std::string_view rest = held().substr(length);
    if (start_ == 0 && rest.size() <= piece.size()) {
        // The piece keeps the buffer it was read into; only the start of the
        // next line moves, into the buffer the caller handed in.
        out.assign(rest);
        pending_.truncate(length);
        pending_.swap(out);
        return;
    }
    // A piece cut short by the line limit: copy it and keep the rest in place.
    out.assign(piece);
    start_ += length;
}

LineBlockReader::Piece LineBlockReader::next(ByteBuffer& out) {
    if (ended_)
        return std::exchange(failed_, false) ? Piece::Error : Piece::End;
    for (;;) {
        const std::string_view bytes = held();
        if (const std::size_t end = endOfWholeLines(bytes, limits_.maxLines); end != 0) {
            handOver(out, end);
            return Piece::Lines;
        }
        // One byte more than the limit: a carriage return may still stand before its line feed.
        if (bytes.size() > limits_.maxLineBytes + 1) {
            handOver(out, limits_.maxLineBytes + 1);
            // The rest of the line is read before the piece goes, so that bytesRead()
            // counts it with the piece: a long last line is read to the end of the file.
            const Fill skipped = skipRestOfLongLine();
            if (skipped != Fill::Data) {
                ended_ = true;
                failed_ = skipped == Fill::Error;
            }
            return Piece::LongLine;
        }
        const Fill fill = readMore();
        if (fill == Fill::Error) {
            ended_ = true;
            return Piece::Error;
        }
        if (fill == Fill::End) {
            ended_ = true;
            if (held().empty())
                return Piece::End;
            handOver(out, held().size());
            return Piece::Lines;
        }
    }
}

} // namespace vermil
