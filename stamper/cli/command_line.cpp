#include "command_line.h"

#include "info_verb.h"
#include "render_verb.h"
#include "server_verbs.h"

namespace vermil::cli {
namespace {

constexpr Option renderOptions[] = {
    {"--out", "FILE.svg|.png|.pdf", "", true},
    {"--dpi", "N", ""},
};

// The Windows framework's switches, in both of their spellings.
constexpr std::string_view embeddingAliases[] = {"/Embedding"};
constexpr std::string_view automationAliases[] = {"/Automation"};
constexpr std::string_view regserverAliases[] = {"/Regserver"};
constexpr std::string_view unregserverAliases[] = {"/Unregserver"};

constexpr Verb verbs[] = {
    {"",
     "",
     "open the stamping program's window with a new stamp",
     nullptr,
     {},
     VerbApplication::Widgets},
    {embeddingVerb,
     "FILE",
     "open the stamp object kept in FILE (a new one when FILE is missing or empty);\n"
     "FILE and its pictures FILE.svg and FILE.png are written after each stamp",
     nullptr,
     {},
     VerbApplication::Widgets,
     embeddingAliases},
    {"-Automation",
     "",
     "start without a window and end (no automation server on Linux)",
     runAutomationVerb,
     {},
     VerbApplication::Core,
     automationAliases},
    {"-Regserver",
     "",
     "register the program for stamp object files (*.vrs): a desktop entry and a MIME type",
     runRegserverVerb,
     {},
     VerbApplication::Core,
     regserverAliases},
    {"-Unregserver",
     "",
     "remove that registration",
     runUnregserverVerb,
     {},
     VerbApplication::Core,
     unregserverAliases},
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
