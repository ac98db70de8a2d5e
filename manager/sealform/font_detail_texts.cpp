#include "manager/sealform/font_detail_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(FontDetailTexts, VERMIL_FONT_DETAIL_TEXTS)

} // namespace vermil
