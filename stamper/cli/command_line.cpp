#include "command_line.h"

#include "change_password_verb.h"
#include "info_verb.h"
#include "render_verb.h"
#include "server_verbs.h"
#include "stamp_fields.h"
#include "stamp_pdf_verb.h"
#include "stamp_verb.h"

#include <algorithm>
#include <array>

namespace vermil::cli {
namespace {

constexpr Option renderOptions[] = {
    {"--out", "FILE.svg|.png|.pdf", "", true},
    {"--dpi", "N", ""},
    {"--number", "N", "from a stamped PDF: the stamp numbered N by --info (default 1)"},
};

// One option list after the other, so that the rows two verbs share are written once.
template <std::size_t N, std::size_t M>
constexpr std::array<Option, N + M> joined(const std::array<Option, N>& first,
                                           const std::array<Option, M>& second) {
    std::array<Option, N + M> all{};
    std::copy(first.begin(), first.end(), all.begin());
    std::copy(second.begin(), second.end(), all.begin() + N);
    return all;
}

constexpr std::array<Option, 2> pictureOptions{{
    {"--picture", "FILE.svg|.png|.pdf", "also write the stamp's picture"},
    {"--dpi", "N", ""},
}};

constexpr std::array<Option, 3> pdfPlaceOptions{{
    {"--out", "OUT.pdf", "the stamped copy (never the input itself)", true},
    {"--at", "X,Y", "the seal's top-left corner, in mm from the page's top-left corner", true},
    {"--page", "N", "the page to stamp (default 1)"},
}};

constexpr auto stampOptions = joined(stampFieldOptions, pictureOptions);
constexpr auto stampPdfOptions = joined(pdfPlaceOptions, stampFieldOptions);

constexpr Option changePasswordOptions[] = {
    {"--seal", "NAME", ""},
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
    {"--info", "STAMPFILE",
     "print who stamped, when, and with which fields; for a stamped PDF, every\n"
     "stamp in it with its page and position",
     runInfoVerb},
    {"--render", "STAMPFILE",
     "draw the stamp's picture (PNG at 600 dpi unless --dpi says otherwise); also\n"
     "one of the stamps of a stamped PDF",
     runRenderVerb, renderOptions, VerbApplication::Gui},
    {"--stamp", "STAMPFILE",
     "stamp without a window: the seal's checks and password, then the stamp object\n"
     "in STAMPFILE (created when missing), its picture with --picture, the stamp log\n"
     "line and the remembered fields. The texts (UTF-8) replace the remembered ones.\n"
     "The password is never an argument: --password-stdin, else $VERMIL_PASSWORD,\n"
     "else the remembered one. A failed check or password writes nothing.",
     runStampVerb, stampOptions, VerbApplication::Gui},
    {"--stamp-pdf", "IN.pdf",
     "stamp a copy of a PDF: the whole stamp as --stamp makes it, the seal drawn on\n"
     "the page as vector art and the stamp object attached to the copy. IN.pdf is\n"
     "never changed. Refused with exit 2, writing nothing: not a PDF, damaged,\n"
     "encrypted, digitally signed, no such page, the seal not wholly on the page.",
     runStampPdfVerb, stampPdfOptions, VerbApplication::Gui},
    {"--change-password", "",
     "change a seal's password: the old password, the new one and the new one again\n"
     "as three lines of standard input",
     runChangePasswordVerb, changePasswordOptions},
};

constexpr VerbTable table{
    "vermilin",
    verbs,
    {},
    "Exit status: 0 done, 1 a check or a password failed (nothing was written),\n"
    "2 usage or file error.\n"};

} // namespace

const VerbTable& vermilinVerbs() {
    return table;
}

} // namespace vermil::cli
