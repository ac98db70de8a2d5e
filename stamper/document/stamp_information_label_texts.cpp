#include "stamper/document/stamp_information_label_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(StampInformationLabelTexts, VERMIL_STAMP_INFORMATION_LABEL_TEXTS)

} // namespace vermil
