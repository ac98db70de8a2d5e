#include "trailscan_arguments.h"

#include "check_command.h"
#include "checker_language.h"

#include "common/cli/verb_call.h"
#include "common/hanko_folders.h"
#include "common/interaction/stderr_prompter.h"

#include <optional>
#include <ostream>

namespace vermil {
namespace {

std::optional<ReportFormat> reportFormat(const cli::VerbCall& call) {
    const std::optional<std::string> format = call.value("--format");
    if (!format || *format == "text")
        return ReportFormat::Text;
    if (*format == "json")
        return ReportFormat::Json;
    call.error() << "--format takes text or json, not " << *format << "\n";
    return std::nullopt;
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
    {"--ng-only", "", "only the NG lines, each after its line number (\"17: \"), then the totals"},
    {"--format", "text|json",
     "json: one JSON object per log line (line, text in UTF-8, fields,\n"
     "stored_code, computed_code, verdict; a byte that is no Shift-JIS character\n"
     "shows as \\xNN and the line's bytes in hex as text_hex), then one summary\n"
     "object (total, ok, ng, path, bytes)"},
};

constexpr cli::Verb verbs[] = {
    {"",
     "[LOGFILE]",
     "open the checker window, with this log when one is given",
     nullptr,
     {},
     cli::VerbApplication::Widgets},
    {"--check", "LOGFILE",
     "check without a window: each line as read, then two blanks, the computed\n"
     "code, two blanks and OK or NG, each verdict on a line of its own; last the\n"
     "line \"Total: N  OK: n  NG: m  Bytes: b\" (UTF-8 on stdout). The log is\n"
     "checked as it was when the check began: b bytes, its size then. Only a\n"
     "regular file is read, never a device or a pipe",
     checkVerb, checkOptions},
};

constexpr cli::VerbTable table{
    "trailscan", verbs,
    "Checks a stamp log line by line: each line's check code is computed again\n"
    "and the line is OK when it matches the code stored in the line, NG when not.\n",
    "Exit status of --check: 0 every line OK, 1 some line NG, 2 the log could not\n"
    "be read, memory ran out or the command line is wrong.\n"};

} // namespace

const cli::VerbTable& trailscanVerbs() {
    return table;
}

} // namespace vermil
