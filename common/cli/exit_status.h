#pragma once

namespace vermil::cli {

// The exit statuses of every verb of the three programs; scripts rely on them.
enum class ExitStatus : int {
    Done = 0,             // the verb did what it was asked
    Fault = 1,            // a check found a fault, or an operation stopped
    UsageOrFileError = 2, // a wrong command line, or a file that cannot be read or written
};

constexpr int exitCode(ExitStatus status) {
    return static_cast<int>(status);
}

} // namespace vermil::cli
