#pragma once

// The verbs of the three programs, run in this process the way a script of an
// administrator runs the programs: seals registered with vrmgr's verbs, stamps
// made and read with vermilin's, the log checked with trailscan's.
#include "logcheck/trailscan_arguments.h"
#include "manager/cli/verbs.h"
#include "stamper/cli/command_line.h"
#include "tests/support/verb_run.h"

#include <string>
#include <vector>

namespace vermil::test {

inline VerbRun vermilin(const std::vector<std::string>& arguments, const std::string& input = {}) {
    return runVerb(cli::vermilinVerbs(), arguments, input);
}

inline VerbRun vrmgr(const std::vector<std::string>& arguments) {
    return runVerb(vrmgrVerbs(), arguments);
}

inline VerbRun trailscan(const std::vector<std::string>& arguments) {
    return runVerb(trailscanVerbs(), arguments);
}

// `first`, then `more`: a verb's arguments and what a case adds.
inline std::vector<std::string> followedBy(std::vector<std::string> first,
                                           const std::vector<std::string>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

} // namespace vermil::test
