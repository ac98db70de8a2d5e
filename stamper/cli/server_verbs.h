#pragma once

#include "common/cli/verb_call.h"

namespace vermil::cli {

// -Regserver: writes the desktop entry and the MIME type of stamp object files
// (when missing or different) and names them on stdout; exit 2 when one cannot be
// written.
ExitStatus runRegserverVerb(const VerbCall& call);
// -Unregserver: removes both; exit 2 when one cannot be removed.
ExitStatus runUnregserverVerb(const VerbCall& call);
// -Automation: there is no automation server on Linux; no window, exit 0.
ExitStatus runAutomationVerb(const VerbCall& call);

} // namespace vermil::cli
