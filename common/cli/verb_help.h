#pragma once

#include "common/cli/verb_table.h"

#include <string>

namespace vermil::cli {

// The help of a program, built from its table: the usage lines, the about
// paragraph, every verb with its operands, options and summary, the options that
// have a summary of their own, and the exit-status paragraph.
std::string helpText(const VerbTable& table);

// "--render STAMPFILE --out FILE [--dpi N]": the verb, its operands and options.
std::string verbSynopsis(const Verb& verb);

} // namespace vermil::cli
