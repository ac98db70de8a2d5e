#pragma once

#include "common/cli/verb_table.h"

#include <string_view>

namespace vermil::cli {

// The verbs of vermilin.
const VerbTable& vermilinVerbs();

// The row that opens a stamp object file in the embedded-object window; the row
// without a name opens the main window.
inline constexpr std::string_view embeddingVerb = "-Embedding";

} // namespace vermil::cli
