#pragma once

#include "common/suite_version.h"
#include "render/seal_drawing_input.h"

#include <cstdint>
#include <string>

namespace vermil {

// Everything one stamp carries: what the seal is drawn from, the approval fields,
// and the machine, user and version at stamping time. All texts are CP932 bytes.
// The native data stores it; the stamp information shows it.
struct StampRecord {
    // Upper texts 1 and 2, seal date text, lower text, the four fonts, colour,
    // pen width, profile text and the clipboard flag: the painter's input.
    SealDrawingInput drawing;

    std::string approvalDate; // 承認日
    std::string section;      // 所属 of the approver
    std::string approverName; // 承認者名
    std::string comment;      // may hold line breaks
    std::string documentNumber;
    std::string sealFileText; // the seal file text checked against the index
    std::string sealText;     // the seal definition text, appended to the information text

    // Tag texts built when writing and kept as read.
    std::string upperTextsTagged;
    std::string fontText;
    std::string informationText;
    std::string storedProfileText;
    std::int32_t stampTypeCode = 0;

    std::string programVersion{programVersionText};  // written into each new stamp
    std::string recordedVersion{programVersionText}; // read from a stored stamp
    std::string windowsUser;
    std::string computerName;
    int shape = 0;            // 0, 1 or 2, carried in the stamp type code
    std::string sizeX = "16"; // seal size in millimetres
    std::string sizeY = "16";
};

} // namespace vermil
