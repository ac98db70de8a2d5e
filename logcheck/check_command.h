#pragma once

#include "common/cli/exit_status.h"

#include <filesystem>
#include <iosfwd>

namespace vermil {

class Prompter;

// trailscan --check: the report line by line and then "Total: N  OK: n  NG: m",
// in UTF-8 on `out`; messages through the prompter. Done when every line is OK,
// Fault when a line is NG, UsageOrFileError when the log or the report failed.
cli::ExitStatus runCheckCommand(const std::filesystem::path& logPath, std::ostream& out,
                                Prompter& prompter);

} // namespace vermil
