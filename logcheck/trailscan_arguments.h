#pragma once

#include "common/cli/verb_table.h"

namespace vermil {

// The command line of trailscan: --check LOGFILE runs without a window; no verb
// (with or without a LOGFILE) opens the checker window.
const cli::VerbTable& trailscanVerbs();

} // namespace vermil
