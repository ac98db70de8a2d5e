#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vermil::cli {

// Exit statuses of the verbs.
inline constexpr int exitSuccess = 0;
inline constexpr int exitUsageOrFileError = 2;

// True when the verb named by the arguments draws, so it needs a GUI application.
bool verbPaints(const std::vector<std::string>& arguments);

// Runs the verb named by the arguments (without the program name): text to `out`
// in UTF-8, messages to `err`. Returns the exit status.
int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace vermil::cli
