#pragma once

#include "common/cli/verb_call.h"

namespace vermil::cli {

// --render STAMPFILE --out FILE.svg|.png|.pdf [--dpi N]: the container picture of
// the stamp kept in a file of native data, in the kind the extension names. A
// stamp that was never made gives the grey outline. Needs a GUI application
// object (fonts), which may run on the offscreen platform.
ExitStatus runRenderVerb(const VerbCall& call);

} // namespace vermil::cli
