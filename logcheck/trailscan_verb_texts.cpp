#include "logcheck/trailscan_verb_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(TrailscanVerbTexts, VERMIL_TRAILSCAN_VERB_TEXTS)

} // namespace vermil
