#pragma once

#include "common/cli/verb_table.h"

namespace vermil::cli {

// The verbs of vermilin.
const VerbTable& vermilinVerbs();

} // namespace vermil::cli
