#pragma once

#include "log_check_run.h"

#include "common/language.h"

#include <cstdio>
#include <filesystem>

namespace vermil {

class Prompter;

// Exit statuses of the command-line check.
inline constexpr int checkAllOk = 0;
inline constexpr int checkFoundNg = 1;
inline constexpr int checkFailed = 2;

enum class ReportFormat { Text, Json };

struct CheckRequest {
    std::filesystem::path logPath;
    bool ngOnly = false; // only the NG lines, each with its line number, then the totals
    ReportFormat format = ReportFormat::Text;
    Language language = Language::English; // of the messages
    CheckOptions tuning;                   // blocks and cores; the rendering follows from the above
};

// trailscan --check: in UTF-8 on `out`, the report line by line and then
// "Total: N  OK: n  NG: m  Bytes: b", or JSON Lines; messages through the prompter.
int runCheckCommand(const CheckRequest& request, std::FILE* out, Prompter& prompter);

} // namespace vermil
