#include "trailscan_arguments.h"

#include "check_command.h"

#include "common/cli/verb_call.h"
#include "common/stderr_prompter.h"

namespace vermil {
namespace {

cli::ExitStatus checkVerb(const cli::VerbCall& call) {
    StderrPrompter prompter(call.err());
    return runCheckCommand(call.operands().at(0), call.out(), prompter);
}

constexpr cli::Verb verbs[] = {
    {"",
     "[LOGFILE]",
     "open the checker window, with this log when one is given",
     nullptr,
     {},
     cli::VerbApplication::Widgets},
    {"--check", "LOGFILE",
     "check without a window: each line as read, then two blanks, the computed\n"
     "code, two blanks and OK or NG; last the line \"Total: N  OK: n  NG: m\"\n"
     "(UTF-8 on stdout)",
     checkVerb},
};

constexpr cli::VerbTable table{
    "trailscan", verbs,
    "Checks a stamp log line by line: each line's check code is computed again\n"
    "and the line is OK when it matches the code stored in the line, NG when not.\n",
    "Exit status of --check: 0 every line OK, 1 some line NG, 2 the log could not\n"
    "be read or the command line is wrong.\n"};

} // namespace

const cli::VerbTable& trailscanVerbs() {
    return table;
}

} // namespace vermil
