#include "render/seal_picture_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(SealPictureTexts, VERMIL_SEAL_PICTURE_TEXTS)

} // namespace vermil
