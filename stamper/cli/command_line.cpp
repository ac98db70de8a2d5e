#include "command_line.h"

#include "change_password_verb.h"
#include "info_verb.h"
#include "render_verb.h"
#include "server_verbs.h"
#include "stamp_fields.h"
#include "stamp_pdf_verb.h"
#include "stamp_verb.h"
#include "stamp_verb_texts.h"

#include <algorithm>
#include <array>

namespace vermil::cli {
namespace {

constexpr Option renderOptions[] = {
    {"--out", "FILE.svg|.png|.pdf", "", true},
    {"--dpi", "N", ""},
    {"--number", "N", VermilinHelpCaptions::numberOption.english},
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
    {"--picture", "FILE.svg|.png|.pdf", VermilinHelpCaptions::pictureOption.english},
    {"--dpi", "N", ""},
}};

constexpr std::array<Option, 3> pdfPlaceOptions{{
    {"--out", "OUT.pdf", VermilinHelpCaptions::outPdfOption.english, true},
    {"--at", "X,Y", VermilinHelpCaptions::atOption.english, true},
    {"--page", "N", VermilinHelpCaptions::pageOption.english},
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
    {"", "", VermilinHelpCaptions::windowVerb.english, nullptr, {}, VerbApplication::Widgets},
    {embeddingVerb,
     "FILE",
     VermilinHelpCaptions::embeddingVerb.english,
     nullptr,
     {},
     VerbApplication::Widgets,
     embeddingAliases},
    {"-Automation",
     "",
     VermilinHelpCaptions::automationVerb.english,
     runAutomationVerb,
     {},
     VerbApplication::Core,
     automationAliases},
    {"-Regserver",
     "",
     VermilinHelpCaptions::regserverVerb.english,
     runRegserverVerb,
     {},
     VerbApplication::Core,
     regserverAliases},
    {"-Unregserver",
     "",
     VermilinHelpCaptions::unregserverVerb.english,
     runUnregserverVerb,
     {},
     VerbApplication::Core,
     unregserverAliases},
    {"--info", "STAMPFILE", VermilinHelpCaptions::infoVerb.english, runInfoVerb},
    {"--render", "STAMPFILE", VermilinHelpCaptions::renderVerb.english, runRenderVerb,
     renderOptions, VerbApplication::Gui},
    {"--stamp", "STAMPFILE", VermilinHelpCaptions::stampVerb.english, runStampVerb, stampOptions,
     VerbApplication::Gui},
    {"--stamp-pdf", "IN.pdf", VermilinHelpCaptions::stampPdfVerb.english, runStampPdfVerb,
     stampPdfOptions, VerbApplication::Gui},
    {"--change-password", "", VermilinHelpCaptions::changePasswordVerb.english,
     runChangePasswordVerb, changePasswordOptions},
};

constexpr VerbTable table{"vermilin", verbs, {}, VermilinHelpCaptions::exitStatus.english};

} // namespace

const VerbTable& vermilinVerbs() {
    return table;
}

} // namespace vermil::cli
