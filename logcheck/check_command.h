#pragma once

#include "log_check_run.h"

#include "common/cli/exit_status.h"
#include "common/language.h"

#include <filesystem>
#include <iosfwd>

namespace vermil {

class Prompter;

enum class ReportFormat { Text, Json };

struct CheckRequest {
    std::filesystem::path logPath;
    bool ngOnly = false; // only the NG lines, each with its line number, then the totals
    ReportFormat format = ReportFormat::Text;
    Language language = Language::English; // of the messages
    CheckOptions tuning;                   // blocks and cores; the rendering follows from the above
};

// trailscan --check: in UTF-8 on `out`, the report line by line and then
// "Total: N  OK: n  NG: m  Bytes: b", or JSON Lines; messages through the
// prompter. Done when every line is OK, Fault when a line is NG,
// UsageOrFileError when the log or the report failed or memory ran out.
cli::ExitStatus runCheckCommand(const CheckRequest& request, std::ostream& out, Prompter& prompter);

} // namespace vermil
