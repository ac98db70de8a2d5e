// Reads arbitrary bytes as a stamp log: the line reader, the field splitter and
// the checker must never crash, and cutting the input into other blocks or
// checking it on more cores must never change the report.
#include "logcheck/cp932_utf8_table.h"
#include "logcheck/log_check_run.h"
#include "logcheck/log_line_check.h"
#include "logcheck/report/check_report_text.h"

#include "common/cp932.h"

#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

class ReportSink : public vermil::CheckSink {
public:
    void deliver(vermil::CheckedBlock& block) override {
        report.append(block.report.view());
        counts = block.runningCounts;
    }
    std::string report;
    vermil::CheckCounts counts;
};

ReportSink checkBytes(std::string_view bytes, std::size_t blockBytes, unsigned workers) {
    ReportSink sink;
    const int fd = ::memfd_create("log", MFD_CLOEXEC);
    if (fd < 0)
        return sink;
    if (::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size())) {
        ::lseek(fd, 0, SEEK_SET);
        const std::string path = "/proc/self/fd/" + std::to_string(fd);
        std::error_code error;
        if (auto file = vermil::LogFile::open(path, error)) {
            vermil::CheckOptions options;
            options.rendering = vermil::Rendering::Report;
            options.blockBytes = blockBytes;
            options.workers = workers;
            options.maxLineBytes = 64;
            vermil::checkLog(*file, sink, options);
        }
    }
    ::close(fd);
    return sink;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Joining the fields in bulk must agree with splitting them one by one.
    std::string expected;
    std::size_t expectedLast = std::string::npos;
    for (std::string_view field : vermil::logLineFields(bytes)) {
        if (field.empty())
            __builtin_trap();
        expectedLast = expected.size();
        expected += field;
    }
    std::string joined;
    if (vermil::appendLineFields(bytes, joined) != expectedLast || joined != expected)
        __builtin_trap();
    vermil::LogLineChecker checker;
    const vermil::LineVerdict verdict = checker.check(bytes);
    (void)verdict;

    std::string utf8;
    vermil::appendCp932AsUtf8(utf8, bytes);
    if (utf8 != vermil::cp932ToUtf8(bytes))
        __builtin_trap();

    const ReportSink whole = checkBytes(bytes, 1 << 16, 1);
    const ReportSink pieces = checkBytes(bytes, 3, 3);
    if (whole.report != pieces.report || !(whole.counts == pieces.counts))
        __builtin_trap();
    if (whole.counts.total != whole.counts.ok + whole.counts.ng)
        __builtin_trap();
    return 0;
}
