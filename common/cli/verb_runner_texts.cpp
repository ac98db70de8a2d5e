#include "common/cli/verb_runner_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(VerbRunnerTexts, VERMIL_VERB_RUNNER_TEXTS)

} // namespace vermil
