#include "check_command.h"

#include "check_report_text.h"
#include "checker_texts.h"
#include "log_check_run.h"

#include "common/prompter.h"

namespace vermil {
namespace {

class StreamSink : public CheckSink {
public:
    explicit StreamSink(std::FILE* out) : out_(out) {}
    void deliver(CheckedBlock& block) override {
        const std::string_view report = block.report.view();
        if (!report.empty() && std::fwrite(report.data(), 1, report.size(), out_) != report.size())
            failed_ = true;
        counts_ = block.runningCounts;
    }
    const CheckCounts& counts() const { return counts_; }
    bool failed() const { return failed_; }

private:
    std::FILE* out_;
    CheckCounts counts_;
    bool failed_ = false;
};

} // namespace

int runCheckCommand(const std::filesystem::path& logPath, std::FILE* out, Prompter& prompter) {
    if (logPath.empty()) {
        prompter.showMessage(checkertexts::emptyPath, MessageIcon::Warning);
        return checkFailed;
    }
    auto file = LogFile::open(logPath);
    if (!file) {
        prompter.showMessage(checkertexts::cannotOpen, MessageIcon::Error);
        return checkFailed;
    }
    StreamSink sink(out);
    CheckOptions options;
    options.renderReport = true;
    const CheckEnd end = checkLog(*file, sink, options);
    const std::string totals = totalsText(sink.counts()) + "\n";
    std::fputs(totals.c_str(), out);
    if (std::fflush(out) != 0 || std::ferror(out) || sink.failed()) {
        prompter.showMessage(checkertexts::reportNotWritten,
                             MessageIcon::Error);
        return checkFailed;
    }
    if (end == CheckEnd::ReadError) {
        prompter.showMessage(checkertexts::cannotOpen, MessageIcon::Error);
        return checkFailed;
    }
    return sink.counts().ng == 0 ? checkAllOk : checkFoundNg;
}

} // namespace vermil
