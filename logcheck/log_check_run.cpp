#include "log_check_run.h"

#include "check_workers.h"
#include "log_line_check.h"
#include "logcheck/report/check_report_json.h"
#include "logcheck/report/check_report_text.h"

#include "common/keyed_hash.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <future>
#include <optional>
#include <thread>

namespace vermil {
namespace {

// What checking a block needs besides the block itself; one per thread, so a
// long run of blocks allocates nothing.
struct BlockScratch {
    std::string joined; // each line's fields joined, one line after another
    struct Fields {
        std::size_t start = 0;     // of the line's fields in `joined`
        std::size_t lastField = 0; // where its last field (the stored code) starts
        std::size_t end = 0;
        bool any = false;
    };
    std::vector<Fields> fields; // per line of the block
    std::vector<std::string_view> bodies;
    std::vector<std::array<char, 8>> codes;
};

BlockScratch& blockScratch() {
    thread_local BlockScratch scratch;
    return scratch;
}

// Cuts the block into lines; a line too long to check is marked and left out.
void findLines(CheckedBlock& block, bool tooLongLine, std::size_t maxLineBytes) {
    const std::string_view text = block.text.view();
    const std::size_t size = text.size();
    std::size_t start = 0;
    while (start < size) {
        const auto* lineFeed =
            static_cast<const char*>(std::memchr(text.data() + start, '\n', size - start));
        const std::size_t end = lineFeed ? static_cast<std::size_t>(lineFeed - text.data()) : size;
        CheckedLine line;
        line.offset = static_cast<std::uint32_t>(start);
        std::size_t textEnd = end;
        // Read as text: a carriage return before the line feed is not part of the line.
        if (lineFeed && textEnd > start && text[textEnd - 1] == '\r')
            --textEnd;
        if (tooLongLine || textEnd - start > maxLineBytes) {
            line.tooLong = true;
            line.code = uncheckedCode;
            textEnd = start + std::min(textEnd - start, maxLineBytes);
        }
        line.length = static_cast<std::uint32_t>(textEnd - start);
        block.lines.push_back(line);
        start = end + 1;
        if (tooLongLine)
            break;
    }
}

// Computes every line's code, all lines of the block together.
void judgeLines(CheckedBlock& block) {
    BlockScratch& scratch = blockScratch();
    // The fields of a line are never longer than the line.
    scratch.joined.resize(block.text.size());
    char* const joinedStart = scratch.joined.data();
    char* out = joinedStart;
    scratch.fields.clear();
    for (const CheckedLine& line : block.lines) {
        BlockScratch::Fields fields;
        fields.start = static_cast<std::size_t>(out - joinedStart);
        if (!line.tooLong) {
            std::size_t last = 0;
            const std::size_t lineEnd = std::size_t(line.offset) + line.length;
            out = writeLineFields(block.text.view().substr(line.offset, line.length), out, last,
                                  block.text.size() - lineEnd);
            fields.any = last != std::string::npos;
            fields.lastField =
                fields.any ? fields.start + last : static_cast<std::size_t>(out - joinedStart);
        } else {
            fields.lastField = fields.start;
        }
        fields.end = static_cast<std::size_t>(out - joinedStart);
        scratch.fields.push_back(fields);
    }
    scratch.bodies.clear();
    const std::string_view joined(scratch.joined);
    for (const BlockScratch::Fields& fields : scratch.fields)
        scratch.bodies.push_back(joined.substr(fields.start, fields.lastField - fields.start));
    scratch.codes.resize(scratch.bodies.size());
    hash8Many(scratch.bodies, hashkeys::logLineCode, scratch.codes);

    for (std::size_t i = 0; i < block.lines.size(); ++i) {
        CheckedLine& line = block.lines[i];
        const BlockScratch::Fields& fields = scratch.fields[i];
        if (!line.tooLong) {
            line.code = scratch.codes[i];
            const std::string_view stored =
                joined.substr(fields.lastField, fields.end - fields.lastField);
            line.ok = fields.any && stored == std::string_view(line.code.data(), line.code.size());
        }
        ++block.blockCounts.total;
        ++(line.ok ? block.blockCounts.ok : block.blockCounts.ng);
    }
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
    block.rendered.clear();
    findLines(block, tooLongLine, options.maxLineBytes);
    judgeLines(block);
    switch (options.rendering) {
    case Rendering::None:
        break;
    case Rendering::Report:
        appendReport(block.report, block);
        break;
    case Rendering::NgReport:
        renderNgReport(block);
        break;
    case Rendering::Json:
    case Rendering::NgJson:
        renderJsonLines(block, options.rendering == Rendering::NgJson);
        break;
    }
}

CheckEnd checkLog(LogFile& file, CheckSink& sink, const CheckOptions& options,
                  const std::atomic<bool>* cancel) {
    LineBlockReader reader(file.descriptor(), file.sizeAtOpen(),
                           {options.blockBytes, options.maxLineBytes, options.maxLinesPerBlock});
    const unsigned workerThreads = workerCount(options, file.sizeAtOpen());
    // A few blocks ahead of the one being delivered keep every core busy while
    // memory stays bounded.
    const std::size_t maxInFlight = workerThreads > 1 ? workerThreads + 1 : 0;
    // Declared before the jobs, so the jobs are gone before the workers end.
    std::optional<CheckWorkers> workers;
    if (maxInFlight != 0)
        workers.emplace(workerThreads);
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
        inFlight.push_back(workers->submit(std::packaged_task<CheckedBlock()>(
            [block = std::move(block), tooLong, &options]() mutable {
                checkBlock(block, tooLong, options);
                return std::move(block);
            })));
        while (inFlight.size() >= maxInFlight)
            deliverOldest();
    }
    while (!inFlight.empty())
        deliverOldest();
    return CheckEnd::Finished;
}

} // namespace vermil
