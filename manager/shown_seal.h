#pragma once

#include "sealfiles/seal_fonts.h"

#include <string>
#include <string_view>

namespace vermil {

class HankoSettings;
class Prompter;
class SealIndex;

// One seal as the main dialog shows it and hands it to the edit dialog (CP932 texts).
struct ShownSeal {
    std::string name;
    std::string up1;
    std::string up2;
    std::string down;
    std::string dateFormat;
    std::string sizeX;
    std::string sizeY;
    std::string profile;
    std::string sealText; // the seal file's whole text; empty when none was read
    std::string vrmfile;  // the Vrmfile element of the index entry's Data
    bool hasFonts = false;
    SealFonts fonts; // the seal file's Font block, when it has one
};

// Reads a seal's index entry and seal file for display: Warning 340 for an entry
// of the older format, Warning 341 for a seal file that cannot be opened; the
// texts then come from the index's older keys. A warning too when the seal's
// profile is not in the seal folder. Missing sizes take SizeX and SizeY
// of hanko.ini.
ShownSeal readShownSeal(const SealIndex& index, std::string_view name,
                        const HankoSettings& settings, Prompter& prompter);

} // namespace vermil
