#pragma once

// A stamp as the seal dialog accepts it, from a script: for the tests of the
// stamping transaction and of the views that run it.
#include "common/colour_file.h"
#include "stamper/document/stamp_document.h"
#include "stamper/sealdialog/stamp_taker.h"
#include "tests/support/test_environment.h"

#include <optional>
#include <string>
#include <vector>

namespace vermil::test {

// The seal dialog's answer, logged where the document logs.
class ScriptedStampTaker : public StampTaker {
public:
    std::optional<AcceptedStamp> takeStamp(const CVermilinDoc& document) override {
        seenLastSeals.push_back(document.lastSeal());
        if (!answer)
            return std::nullopt;
        AcceptedStamp stamp;
        stamp.outputs = *answer;
        stamp.logEntry = {answer->documentNumber, "2026/12/10",    "10:00",  answer->name,
                          answer->section,        answer->comment, "yamada", "KEIRI-PC01"};
        stamp.log = {true, document.logFilePath(), document.logFormat()};
        stamp.settingsFilePath = document.settingsFilePath();
        stamp.colourFile = defaultColourFilePath();
        return stamp;
    }
    std::optional<SealDialogOutputs> answer;
    std::vector<std::string> seenLastSeals;
};

inline SealDialogOutputs keiriStamp() {
    SealDialogOutputs taken;
    taken.sealName = sjis("経理部長");
    taken.documentNumber = "A-0042";
    taken.name = sjis("山田太郎");
    taken.section = sjis("経理部");
    taken.approvalDate = "2026/12/10";
    taken.sealDateText = "'26.12.10";
    taken.upperText1 = sjis("経理部");
    taken.lowerText = sjis("山田");
    taken.comment = sjis("至急\r\n確認済み");
    taken.colour = 255;
    taken.sizeX = "19";
    taken.sizeY = "19";
    taken.sealFileText =
        "<Vermil><Up1>x</Up1></Vermil><Shape><Size><X>19</X><Y>19</Y></Size></Shape>";
    taken.fonts.up1 = {"IPAGothic", "1", ""}; // bold, automatic size
    return taken;
}

} // namespace vermil::test
