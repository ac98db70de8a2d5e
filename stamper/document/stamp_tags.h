#pragma once

#include "render/seal_drawing_input.h"

#include <string>
#include <string_view>

namespace vermil {

struct StampRecord;

// The tag texts a stamp stores, element after element with nothing between.

// <Up1><Text>…</Text></Up1><Up2><Text>…</Text></Up2>
std::string upperTextsTagged(std::string_view upperText1, std::string_view upperText2);
void readUpperTextsTagged(std::string_view tagged, SealDrawingInput& drawing);

// Bold flags, face names and sizes of the four lines (Up, Up2, Date, Low), then the
// pen width, so that a stamp read back draws with the width it was stamped with.
std::string fontText(const SealDrawingInput& drawing);

// Fonts and pen width from a font text, with the defaults for what is missing: an
// empty second upper line takes the first line's values, an empty face becomes
// "ＭＳ Ｐゴシック", an empty size "10", a pen width outside 1 to 100 becomes 1.
void readFontText(std::string_view fontText, SealDrawingInput& drawing);

inline constexpr int defaultReadPenWidth = 1;
inline constexpr int maxPenWidth = 100;

// Computer name, user, program version, colour, then the seal text.
std::string informationText(const StampRecord& stamp);

// Computer name, user, recorded version, a non-empty colour, the seal text that
// follows the colour, and the seal size from Shape/Size when both are present.
void readInformationText(std::string_view informationText, StampRecord& stamp);

} // namespace vermil
