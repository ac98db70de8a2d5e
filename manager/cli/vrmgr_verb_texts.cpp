#include "manager/cli/vrmgr_verb_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(VrmgrVerbTexts, VERMIL_VRMGR_VERB_TEXTS)
VERMIL_DEFINE_TEXTS(VrmgrHelpTexts, VERMIL_VRMGR_HELP_TEXTS)

} // namespace vermil
