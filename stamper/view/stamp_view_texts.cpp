#include "stamper/view/stamp_view_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(StampViewTexts, VERMIL_STAMP_VIEW_TEXTS)

} // namespace vermil
