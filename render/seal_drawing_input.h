#pragma once

#include "common/colour_file.h"

#include <cstdint>
#include <string>

namespace vermil {

// Font of one seal line as the stamp keeps it: face name, size and bold flag, all
// texts (an empty or non-numeric size means automatic, "1" alone means bold).
struct SealLineFont {
    std::string name;
    std::string size;
    std::string bold;
};

// Everything the seal painter draws from. The stamp document owns one and hands
// it over by reference: the screen drawing writes automatic sizes back into it.
struct SealDrawingInput {
    std::string upperText1; // Up1
    std::string upperText2; // Up2, the line above Up1
    std::string sealDateText;
    std::string lowerText;                    // Down
    SealLineFont fontUp;                      // FontUp, SizeUp, BoldUp
    SealLineFont fontUp2;                     // FontUp2, SizeUp2, BoldUp2
    SealLineFont fontDate;                    // FontDate, SizeDate, BoldDate
    SealLineFont fontLow;                     // FontLow, SizeLow, BoldLow
    std::uint32_t colour = defaultSealColour; // 0x00BBGGRR
    int penWidth = 2;
    std::string profileText; // content of the layout profile's Profile element
    bool copyToClipboard = false;
};

} // namespace vermil
