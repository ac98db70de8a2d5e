#include "sealfiles/seal_message_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(SealMessageTexts, VERMIL_SEAL_MESSAGE_TEXTS)

} // namespace vermil
