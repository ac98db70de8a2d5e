#pragma once

#include "check_command.h"

#include "common/cli/verb_table.h"

#include <optional>
#include <string_view>

namespace vermil {

// The command line of trailscan: --check LOGFILE runs without a window; no verb
// (with or without a LOGFILE) opens the checker window.
const cli::VerbTable& trailscanVerbs();

// The report form --format names: "text" or "json", exactly; nullopt for anything else.
std::optional<ReportFormat> reportFormatNamed(std::string_view name);

} // namespace vermil
