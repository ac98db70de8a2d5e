#pragma once

#include "common/cli/verb_call.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace vermil {

// The command-line verbs of the manager: run the same models as its dialogs,
// messages to err and results to out in UTF-8, and never wait for input.
const cli::VerbTable& vrmgrVerbs();

cli::ExitStatus deleteVerb(const cli::VerbCall& call);
cli::ExitStatus importVerb(const cli::VerbCall& call);
cli::ExitStatus listVerb(const cli::VerbCall& call);
cli::ExitStatus showVerb(const cli::VerbCall& call);
cli::ExitStatus verifyVerb(const cli::VerbCall& call);

// The seal index of this run: --index PATH, or the index the settings name.
// nullopt (after a message) for a path without a CP932 form, or one that names
// something other than a seal index file (a folder, a device, an oversized file).
std::optional<std::string> chooseIndexPath(const cli::VerbCall& call);

// False (after a message naming the problem) when a file is at the index path
// that cannot be an index: a directory, a FIFO, a device, a file over the limit.
bool indexIsReadable(const std::string& indexPath);

// For --show and --delete: false (after the manager's warning) when there is no index.
bool requireIndex(const std::string& indexPath, std::ostream& err);

// For --list and --verify: a missing index is no error but an index without seals,
// said so on err. True when there is an index file to read.
bool noteMissingIndex(const std::string& indexPath, const cli::VerbCall& call);

} // namespace vermil
