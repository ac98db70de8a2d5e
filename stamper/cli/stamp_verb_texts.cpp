#include "stamper/cli/stamp_verb_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(StampVerbTexts, VERMIL_STAMP_VERB_TEXTS)
VERMIL_DEFINE_TEXTS(VermilinHelpTexts, VERMIL_VERMILIN_HELP_TEXTS)

} // namespace vermil
