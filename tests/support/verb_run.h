#pragma once

// Runs one program's verbs in this process, as its main() would: the command line
// read against the program's verb table, standard input from a string, standard
// output and standard error caught in strings.
#include "common/cli/verb_runner.h"

#include <sstream>
#include <string>
#include <vector>

namespace vermil::test {

struct VerbRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline VerbRun runVerb(const cli::VerbTable& table, const std::vector<std::string>& arguments,
                       const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runVerbs(table, arguments, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace vermil::test
