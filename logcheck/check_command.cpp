#include "check_command.h"

#include "check_report_json.h"
#include "check_report_text.h"
#include "checker_texts.h"

#include "common/prompter.h"

#include <QFile>

#include <new>
#include <system_error>

namespace vermil {
namespace {

class StreamSink : public CheckSink {
public:
    StreamSink(std::FILE* out, Rendering rendering) : out_(out), rendering_(rendering) {}
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
    bool failed() const { return failed_; }

private:
    void write(std::string_view text) {
        if (!text.empty() && std::fwrite(text.data(), 1, text.size(), out_) != text.size())
            failed_ = true;
    }

    std::FILE* out_;
    Rendering rendering_;
    ByteBuffer numbered_;
    CheckCounts counts_;
    std::uint64_t bytesRead_ = 0;
    bool failed_ = false;
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

int runCheckCommand(const CheckRequest& request, std::FILE* out, Prompter& prompter) {
    const CheckerTexts& texts = CheckerTexts::of(request.language);
    if (request.logPath.empty()) {
        prompter.showMessage(checkertexts::emptyPath, MessageIcon::Warning);
        return checkFailed;
    }
    LogOpenFailure failure = LogOpenFailure::None;
    auto file = LogFile::open(request.logPath, &failure);
    if (!file) {
        QString message = checkertexts::cannotOpen;
        if (failure == LogOpenFailure::NotARegularFile)
            message += QLatin1Char('\n') + texts.notRegularFile.arg(displayPath(request.logPath));
        prompter.showMessage(message, MessageIcon::Error);
        return checkFailed;
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
    const std::string closing = closingLine(request, sink);
    std::fputs(closing.c_str(), out);
    if (std::fflush(out) != 0 || std::ferror(out) || sink.failed()) {
        prompter.showMessage(checkertexts::reportNotWritten, MessageIcon::Error);
        return checkFailed;
    }
    if (outOfMemory) {
        prompter.showMessage(texts.outOfMemory, MessageIcon::Error);
        return checkFailed;
    }
    if (end == CheckEnd::ReadError) {
        prompter.showMessage(checkertexts::cannotOpen, MessageIcon::Error);
        return checkFailed;
    }
    return sink.counts().ng == 0 ? checkAllOk : checkFoundNg;
}

} // namespace vermil
