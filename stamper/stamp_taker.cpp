#include "stamp_taker.h"

#include "render/seal_painter.h"
#include "stamp_document.h"

namespace vermil {

void applyTakenStamp(const TakenStamp& taken, CVermilinDoc& document) {
    document.setLastSeal(taken.sealName);
    StampRecord& stamp = document.stamp();
    stamp.documentNumber = taken.documentNumber;
    stamp.approverName = taken.approverName;
    stamp.section = taken.section;
    stamp.approvalDate = taken.approvalDate;
    stamp.comment = taken.comment;
    stamp.sizeX = taken.sizeX;
    stamp.sizeY = taken.sizeY;
    stamp.sealFileText = taken.sealFileText;
    stamp.sealText = taken.sealText;
    SealDrawingInput& drawing = stamp.drawing;
    drawing.sealDateText = taken.sealDateText;
    drawing.upperText1 = taken.upperText1;
    drawing.upperText2 = taken.upperText2;
    drawing.lowerText = taken.lowerText;
    drawing.colour = taken.colour;
    drawing.profileText = taken.profileText;
    drawing.fontUp2 = taken.fontUp2;
    drawing.fontUp = taken.fontUp;
    drawing.fontDate = taken.fontDate;
    drawing.fontLow = taken.fontLow;
    settleAutomaticSizes(drawing);
}

} // namespace vermil
