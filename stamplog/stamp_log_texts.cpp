#include "stamplog/stamp_log_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(StampLogTexts, VERMIL_STAMP_LOG_TEXTS)

} // namespace vermil
