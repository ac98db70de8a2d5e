#pragma once

#include "common/cli/verb_call.h"
#include "common/cli/verb_table.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vermil::cli {

// What a command line asks for: the call of one verb (or of the program's window,
// the row without a name), or no call when the runner has answered already:
// --help printed to out, or a usage error printed to err with the help.
struct VerbChoice {
    std::optional<VerbCall> call;
    ExitStatus status = ExitStatus::Done;
};

// Reads the arguments (without the program name) against the table. Verbs,
// options and operands may come in any order; an option with a value takes the
// next argument; "--" makes every later argument an operand; --help or -h
// anywhere prints the help. One verb at most; its operand count, its options
// and its required options are checked here, so a verb's function only reads
// its call. No arguments and no window row: the help goes to err, status 2.
// `in` is handed to the verb (the programs pass standard input).
VerbChoice chooseVerb(const VerbTable& table, const std::vector<std::string>& arguments,
                      std::istream& in, std::ostream& out, std::ostream& err);

// chooseVerb, then the chosen verb. For programs that need nothing set up around
// their verbs; returns the process exit status.
int runVerbs(const VerbTable& table, const std::vector<std::string>& arguments, std::istream& in,
             std::ostream& out, std::ostream& err);

} // namespace vermil::cli
