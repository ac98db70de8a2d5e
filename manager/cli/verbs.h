#pragma once

#include "common/cli/verb_call.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace vermil {

// The command-line verbs of the manager: run the same models as its dialogs,
// messages to err and results to out in UTF-8, and never wait for input.
const cli::VerbTable& vrmgrVerbs();

cli::ExitStatus importVerb(const cli::VerbCall& call);
cli::ExitStatus listVerb(const cli::VerbCall& call);
cli::ExitStatus verifyVerb(const cli::VerbCall& call);

// The seal index of this run: --index PATH, or the index the settings name.
// nullopt (after a message) for a path without a CP932 form.
std::optional<std::string> chooseIndexPath(const cli::VerbCall& call);

// For --list and --verify: false (after the manager's warning) when there is no index.
bool requireIndex(const std::string& indexPath, std::ostream& err);

} // namespace vermil
