#include "check_command.h"

#include "logcheck/checker_dialog_texts.h"
#include "logcheck/report/check_report_json.h"
#include "logcheck/report/check_report_text.h"

#include "common/interaction/prompter.h"

#include <QFile>

#include <new>
#include <ostream>
#include <system_error>

namespace vermil {
namespace {

class StreamSink : public CheckSink {
public:
    StreamSink(std::ostream& out, Rendering rendering) : out_(out), rendering_(rendering) {}
    void deliver(CheckedBlock& block) override {
        counts_ = block.runningCounts;
        bytesRead_ = block.bytesRead;
        if (rendering_ == Rendering::Report) {
            write(block.report.view());
            return;
        }
        numbered_.clear();
        appendNumbered(numbered_, block, rendering_);
        write(numbered_.view());
    }
    const CheckCounts& counts() const { return counts_; }
    std::uint64_t bytesRead() const { return bytesRead_; }

private:
    void write(std::string_view text) {
        out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    }

    std::ostream& out_;
    Rendering rendering_;
    ByteBuffer numbered_;
    CheckCounts counts_;
    std::uint64_t bytesRead_ = 0;
};

Rendering renderingOf(const CheckRequest& request) {
    if (request.format == ReportFormat::Json)
        return request.ngOnly ? Rendering::NgJson : Rendering::Json;
    return request.ngOnly ? Rendering::NgReport : Rendering::Report;
}

QString displayPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::string closingLine(const CheckRequest& request, const StreamSink& sink) {
    if (request.format == ReportFormat::Json)
        return jsonSummary(sink.counts(), displayPath(request.logPath).toStdString(),
                           sink.bytesRead()) +
               "\n";
    return totalsText(sink.counts(), sink.bytesRead()) + "\n";
}

} // namespace

cli::ExitStatus runCheckCommand(const CheckRequest& request, std::ostream& out,
                                Prompter& prompter) {
    const CheckerDialogTexts& texts = CheckerDialogTexts::of(request.language);
    if (request.logPath.empty()) {
        prompter.showMessage(texts.emptyPath, MessageIcon::Warning);
        return cli::ExitStatus::UsageOrFileError;
    }
    std::error_code openError;
    auto file = LogFile::open(request.logPath, openError);
    if (!file) {
        QString message = texts.cannotOpen;
        if (isNotRegularFile(openError))
            message += QLatin1Char('\n') + texts.notRegularFile.arg(displayPath(request.logPath));
        prompter.showMessage(message, MessageIcon::Error);
        return cli::ExitStatus::UsageOrFileError;
    }
    StreamSink sink(out, renderingOf(request));
    CheckOptions options = request.tuning;
    options.rendering = renderingOf(request);
    CheckEnd end = CheckEnd::Finished;
    bool outOfMemory = false;
    try {
        end = checkLog(*file, sink, options);
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    } catch (const std::system_error&) {
        outOfMemory = true; // no room for another thread
    }
    out << closingLine(request, sink);
    out.flush();
    if (!out) {
        prompter.showMessage(texts.reportNotWritten, MessageIcon::Error);
        return cli::ExitStatus::UsageOrFileError;
    }
    if (outOfMemory) {
        prompter.showMessage(texts.outOfMemory, MessageIcon::Error);
        return cli::ExitStatus::UsageOrFileError;
    }
    if (end == CheckEnd::ReadError) {
        prompter.showMessage(texts.cannotOpen, MessageIcon::Error);
        return cli::ExitStatus::UsageOrFileError;
    }
    return sink.counts().ng == 0 ? cli::ExitStatus::Done : cli::ExitStatus::Fault;
}

} // namespace vermil
