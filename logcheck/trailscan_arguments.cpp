#include "trailscan_arguments.h"

#include "check_command.h"
#include "checker_language.h"
#include "trailscan_verb_texts.h"

#include "common/caption.h"
#include "common/cli/verb_call.h"
#include "common/hanko_folders.h"
#include "common/interaction/stderr_prompter.h"

#include <optional>
#include <ostream>

namespace vermil {
namespace {

std::optional<ReportFormat> reportFormat(const cli::VerbCall& call) {
    const std::optional<std::string> format = call.value("--format");
    if (!format)
        return ReportFormat::Text;
    const std::optional<ReportFormat> named = reportFormatNamed(*format);
    if (!named)
        call.error() << fillPlaceholders(TrailscanVerbCaptions::badFormat.english, {*format})
                     << "\n";
    return named;
}

cli::ExitStatus checkVerb(const cli::VerbCall& call) {
    const std::optional<ReportFormat> format = reportFormat(call);
    if (!format)
        return cli::ExitStatus::UsageOrFileError;
    CheckRequest request;
    request.logPath = call.operands().at(0);
    request.ngOnly = call.has("--ng-only");
    request.format = *format;
    request.language = checkerLanguage(findHankoFolder(nullptr));
    StderrPrompter prompter(call.err());
    return runCheckCommand(request, call.out(), prompter);
}

constexpr cli::Option checkOptions[] = {
    {"--ng-only", "", TrailscanVerbCaptions::ngOnlyOption.english},
    {"--format", "text|json", TrailscanVerbCaptions::formatOption.english},
};

constexpr cli::Verb verbs[] = {
    {"",
     "[LOGFILE]",
     TrailscanVerbCaptions::windowVerb.english,
     nullptr,
     {},
     cli::VerbApplication::Widgets},
    {"--check", "LOGFILE", TrailscanVerbCaptions::checkVerb.english, checkVerb, checkOptions},
};

constexpr cli::VerbTable table{"trailscan", verbs, TrailscanVerbCaptions::about.english,
                               TrailscanVerbCaptions::exitStatus.english};

} // namespace

std::optional<ReportFormat> reportFormatNamed(std::string_view name) {
    if (name == "text")
        return ReportFormat::Text;
    if (name == "json")
        return ReportFormat::Json;
    return std::nullopt;
}

const cli::VerbTable& trailscanVerbs() {
    return table;
}

} // namespace vermil
