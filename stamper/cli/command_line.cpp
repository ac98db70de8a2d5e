#include "command_line.h"

#include "info_verb.h"
#include "render_verb.h"

namespace vermil::cli {
namespace {

constexpr Option renderOptions[] = {
    {"--out", "FILE.svg|.png|.pdf", "", true},
    {"--dpi", "N", ""},
};

constexpr Verb verbs[] = {
    {"--info", "STAMPFILE", "print who stamped, when, and with which fields", runInfoVerb},
    {"--render", "STAMPFILE",
     "draw the stamp's picture (PNG at 600 dpi unless --dpi says otherwise)", runRenderVerb,
     renderOptions, VerbApplication::Gui},
};

constexpr VerbTable table{"vermilin", verbs};

} // namespace

const VerbTable& vermilinVerbs() {
    return table;
}

} // namespace vermil::cli
