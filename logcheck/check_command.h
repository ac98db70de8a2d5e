#pragma once

#include <cstdio>
#include <filesystem>

namespace vermil {

class Prompter;

// Exit statuses of the command-line check.
inline constexpr int checkAllOk = 0;
inline constexpr int checkFoundNg = 1;
inline constexpr int checkFailed = 2;

// trailscan --check: the report line by line and then "Total: N  OK: n  NG: m",
// in UTF-8 on `out`; messages through the prompter.
int runCheckCommand(const std::filesystem::path& logPath, std::FILE* out, Prompter& prompter);

} // namespace vermil
