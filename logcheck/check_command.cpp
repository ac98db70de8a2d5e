#include "check_command.h"

#include "check_report_text.h"
#include "checker_texts.h"
#include "log_check_run.h"

#include "common/prompter.h"

#include <ostream>

namespace vermil {
namespace {

class StreamSink : public CheckSink {
public:
    explicit StreamSink(std::ostream& out) : out_(out) {}
    void deliver(CheckedBlock& block) override {
        const std::string_view report = block.report.view();
        out_.write(report.data(), static_cast<std::streamsize>(report.size()));
        counts_ = block.runningCounts;
    }
    const CheckCounts& counts() const { return counts_; }

private:
    std::ostream& out_;
    CheckCounts counts_;
};

} // namespace

cli::ExitStatus runCheckCommand(const std::filesystem::path& logPath, std::ostream& out,
                                Prompter& prompter) {
    if (logPath.empty()) {
        prompter.showMessage(checkertexts::emptyPath, MessageIcon::Warning);
        return cli::ExitStatus::UsageOrFileError;
    }
    auto file = LogFile::open(logPath);
    if (!file) {
        prompter.showMessage(checkertexts::cannotOpen, MessageIcon::Error);
        return cli::ExitStatus::UsageOrFileError;
    }
    StreamSink sink(out);
    CheckOptions options;
    options.renderReport = true;
    const CheckEnd end = checkLog(*file, sink, options);
    out << totalsText(sink.counts()) << '\n';
    out.flush();
    if (!out) {
        prompter.showMessage(checkertexts::reportNotWritten,
                             MessageIcon::Error);
        return cli::ExitStatus::UsageOrFileError;
    }
    if (end == CheckEnd::ReadError) {
        prompter.showMessage(checkertexts::cannotOpen, MessageIcon::Error);
        return cli::ExitStatus::UsageOrFileError;
    }
    return sink.counts().ng == 0 ? cli::ExitStatus::Done : cli::ExitStatus::Fault;
}

} // namespace vermil
