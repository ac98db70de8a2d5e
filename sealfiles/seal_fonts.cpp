#include "seal_fonts.h"

#include "common/cp932.h"

namespace vermil {

SealFonts defaultSealFonts() {
    const SealFont font{cp932Literal(defaultFontNameUtf8), {}, {}};
    return {font, font, font, font};
}

} // namespace vermil
