#include "stamper/view/stamp_information_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(StampInformationTexts, VERMIL_STAMP_INFORMATION_TEXTS)

} // namespace vermil
