#include "log_check_run.h"

#include "check_report_text.h"
#include "log_line_check.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <future>
#include <thread>

namespace vermil {
namespace {

void addLine(CheckedBlock& block, LogLineChecker& checker, std::size_t start, std::size_t end,
             bool lineFeed, bool tooLong, std::size_t maxLineBytes) {
    CheckedLine line;
    std::size_t textEnd = end;
    // Read as text: a carriage return before the line feed is not part of the line.
    if (lineFeed && textEnd > start && block.text[textEnd - 1] == '\r')
        --textEnd;
    line.offset = static_cast<std::uint32_t>(start);
    line.lineFeed = lineFeed;
    if (tooLong || textEnd - start > maxLineBytes) {
        line.length = static_cast<std::uint32_t>(std::min(textEnd - start, maxLineBytes));
        line.tooLong = true;
        line.lineFeed = true;
        line.code = uncheckedCode;
    } else {
        line.length = static_cast<std::uint32_t>(textEnd - start);
        const LineVerdict verdict =
            checker.check(std::string_view(block.text).substr(start, line.length));
        line.ok = verdict.ok;
        line.code = verdict.code;
    }
    ++block.blockCounts.total;
    ++(line.ok ? block.blockCounts.ok : block.blockCounts.ng);
    block.lines.push_back(line);
}

unsigned workerCount(const CheckOptions& options, std::uint64_t fileSize) {
    if (fileSize < 2 * options.blockBytes)
        return 1;
    if (options.workers != 0)
        return options.workers;
    return std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
}

} // namespace

void checkBlock(CheckedBlock& block, bool tooLongLine, const CheckOptions& options) {
    block.lines.clear();
    block.report.clear();
    block.blockCounts = {};
    LogLineChecker checker;
    const std::size_t size = block.text.size();
    if (tooLongLine) {
        addLine(block, checker, 0, size, false, true, options.maxLineBytes);
    } else {
        std::size_t start = 0;
        while (start < size) {
            const auto* lineFeed = static_cast<const char*>(
                std::memchr(block.text.data() + start, '\n', size - start));
            const std::size_t end =
                lineFeed ? static_cast<std::size_t>(lineFeed - block.text.data()) : size;
            addLine(block, checker, start, end, lineFeed != nullptr, false, options.maxLineBytes);
            start = end + 1;
        }
    }
    if (options.renderReport)
        appendReport(block.report, block);
}

CheckEnd checkLog(LogFile& file, CheckSink& sink, const CheckOptions& options,
                  const std::atomic<bool>* cancel) {
    LineBlockReader reader(file.descriptor(), options.blockBytes, options.maxLineBytes);
    const unsigned workers = workerCount(options, file.sizeAtOpen());
    // A few blocks ahead of the one being delivered keep every core busy while
    // memory stays bounded.
    const std::size_t maxInFlight = workers > 1 ? workers + 1 : 0;
    std::deque<std::future<CheckedBlock>> inFlight;
    std::vector<CheckedBlock> spare; // delivered blocks whose buffers are used again
    CheckCounts counts;

    auto deliver = [&](CheckedBlock block) {
        counts += block.blockCounts;
        block.runningCounts = counts;
        sink.deliver(block);
        spare.push_back(std::move(block));
    };
    auto deliverOldest = [&] {
        CheckedBlock block = inFlight.front().get();
        inFlight.pop_front();
        deliver(std::move(block));
    };
    auto takeSpare = [&] {
        if (spare.empty())
            return CheckedBlock();
        CheckedBlock block = std::move(spare.back());
        spare.pop_back();
        return block;
    };

    for (;;) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            for (auto& job : inFlight)
                job.wait();
            return CheckEnd::Cancelled;
        }
        CheckedBlock block = takeSpare();
        const LineBlockReader::Piece piece = reader.next(block.text);
        if (piece == LineBlockReader::Piece::End)
            break;
        if (piece == LineBlockReader::Piece::Error) {
            while (!inFlight.empty())
                deliverOldest();
            return CheckEnd::ReadError;
        }
        const bool tooLong = piece == LineBlockReader::Piece::LongLine;
        block.bytesRead = reader.bytesRead();
        if (maxInFlight == 0) {
            checkBlock(block, tooLong, options);
            deliver(std::move(block));
            continue;
        }
        inFlight.push_back(
            std::async(std::launch::async, [block = std::move(block), tooLong, &options]() mutable {
                checkBlock(block, tooLong, options);
                return std::move(block);
            }));
        while (inFlight.size() >= maxInFlight)
            deliverOldest();
    }
    while (!inFlight.empty())
        deliverOldest();
    return CheckEnd::Finished;
}

} // namespace vermil
