#pragma once

#include "common/cli/verb_call.h"

namespace vermil::cli {

// --info STAMPFILE: the stamp information of a file of native data, in the language
// of the settings (English when none is set), with LF line ends. Reads the settings
// and the file only; exits with 2 when the file cannot be read or is not stamp data.
ExitStatus runInfoVerb(const VerbCall& call);

} // namespace vermil::cli
