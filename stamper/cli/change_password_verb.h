#pragma once

#include "common/cli/verb_call.h"

namespace vermil::cli {

// --change-password [--seal NAME]: the old password, the new one and the new one
// again as three lines of standard input; the seal is --seal, else the last used
// one by the preselection rule. Exit 0 changed, 1 refused (the message on
// stderr, nothing written), 2 for text without a Shift-JIS form.
ExitStatus runChangePasswordVerb(const VerbCall& call);

} // namespace vermil::cli
