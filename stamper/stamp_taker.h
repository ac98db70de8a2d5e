#pragma once

#include "render/seal_drawing_input.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vermil {

class CVermilinDoc;

// What the seal dialog hands the document after OK: the seal chosen, the stamp
// fields, the seal's texts, colour, size, files and fonts. CP932 texts.
struct TakenStamp {
    std::string sealName; // becomes the document's last seal
    std::string documentNumber;
    std::string approverName;
    std::string section;
    std::string approvalDate;
    std::string sealDateText;
    std::string upperText1;
    std::string upperText2;
    std::string lowerText;
    std::string comment; // whole, with its line breaks
    std::uint32_t colour = defaultSealColour;
    std::string sizeX;
    std::string sizeY;
    std::string sealFileText;
    std::string sealText;
    std::string profileText;
    SealLineFont fontUp2;
    SealLineFont fontUp;
    SealLineFont fontDate;
    SealLineFont fontLow;
};

// Runs the seal dialog for a document: fills it from the document, runs it, and
// gives what it took on OK; nullopt when it was cancelled. The program binds the
// real dialog; tests answer without a window.
class StampTaker {
public:
    virtual ~StampTaker() = default;
    virtual std::optional<TakenStamp> takeStamp(const CVermilinDoc& document) = 0;
};

// Copies a stamp taken into the document, and settles the automatic text sizes as
// the screen would, so a file saved before the first paint holds them too.
void applyTakenStamp(const TakenStamp& taken, CVermilinDoc& document);

} // namespace vermil
