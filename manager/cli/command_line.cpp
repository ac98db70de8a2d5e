#include "manager/cli/verbs.h"
#include "manager/cli/vrmgr_verb_texts.h"

namespace vermil {
namespace {

using cli::Option;
using cli::Verb;

constexpr Option indexOption[] = {
    {"--index", "PATH", VrmgrHelpCaptions::indexOption.english},
};

constexpr Verb verbs[] = {
    {"", "", VrmgrHelpCaptions::windowVerb.english, nullptr, {}, cli::VerbApplication::Widgets},
    {"--import", "CSVFILE", VrmgrHelpCaptions::importVerb.english, importVerb, indexOption},
    {"--list", "", VrmgrHelpCaptions::listVerb.english, listVerb, indexOption},
    {"--verify", "", VrmgrHelpCaptions::verifyVerb.english, verifyVerb, indexOption},
    {"--show", "NAME", VrmgrHelpCaptions::showVerb.english, showVerb, indexOption},
    {"--delete", "NAME", VrmgrHelpCaptions::deleteVerb.english, deleteVerb, indexOption},
};

constexpr cli::VerbTable table{"vrmgr", verbs, {}, VrmgrHelpCaptions::exitStatus.english};

} // namespace

const cli::VerbTable& vrmgrVerbs() {
    return table;
}

} // namespace vermil
