#include "common/files/write_failure_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(WriteFailureTexts, VERMIL_WRITE_FAILURE_TEXTS)

} // namespace vermil
