#include "stamper/document/native_data.h"

#include "stamper/document/stamp_tags.h"
#include "stamper/document/stamp_type_code.h"

namespace vermil {
namespace {

// The items exactly as stored, before any of them is interpreted.
struct NativeDataItems {
    std::string approverName;
    std::string section;
    std::string approvalDate;
    std::string comment;
    std::string lowerText;
    std::string upperTextsTagged;
    std::string sealDateText;
    std::string documentNumber;
    std::int32_t stampTypeCode = 0;
    std::string sealFileText;
    std::string fontText;
    std::string informationText;
    std::string storedProfileText;
};

NativeDataItems readItems(std::string_view bytes) {
    if (bytes.size() > maxNativeDataBytes)
        throw NativeDataError("the data has " + std::to_string(bytes.size()) +
                              " bytes, more than the limit of " +
                              std::to_string(maxNativeDataBytes));
    ArchiveReader in(bytes);
    NativeDataItems items;
    items.approverName = in.readString("approver name");
    items.section = in.readString("section");
    items.approvalDate = in.readString("approval date");
    items.comment = in.readString("comment");
    items.lowerText = in.readString("lower text");
    items.upperTextsTagged = in.readString("upper texts");
    items.sealDateText = in.readString("seal date text");
    items.documentNumber = in.readString("document number");
    items.stampTypeCode = in.readInt32("stamp type code");
    items.sealFileText = in.readString("seal file text");
    items.fontText = in.readString("font text");
    items.informationText = in.readString("information text");
    items.storedProfileText = in.readString("profile text");
    if (in.remaining() != 0)
        throw NativeDataError(std::to_string(in.remaining()) +
                              " bytes follow the last item of the stamp");
    return items;
}

} // namespace

std::string writeNativeData(StampRecord& stamp) {
    stamp.upperTextsTagged = upperTextsTagged(stamp.drawing.upperText1, stamp.drawing.upperText2);
    stamp.informationText = informationText(stamp);
    stamp.storedProfileText = stamp.drawing.profileText;
    stamp.fontText = fontText(stamp.drawing);
    stamp.stampTypeCode = stampTypeCodeOfShape(stamp.shape);

    ArchiveWriter out;
    out.writeString(stamp.approverName, "approver name");
    out.writeString(stamp.section, "section");
    out.writeString(stamp.approvalDate, "approval date");
    out.writeString(stamp.comment, "comment");
    out.writeString(stamp.drawing.lowerText, "lower text");
    out.writeString(stamp.upperTextsTagged, "upper texts");
    out.writeString(stamp.drawing.sealDateText, "seal date text");
    out.writeString(stamp.documentNumber, "document number");
    out.writeInt32(stamp.stampTypeCode);
    out.writeString(stamp.sealFileText, "seal file text");
    out.writeString(stamp.fontText, "font text");
    out.writeString(stamp.informationText, "information text");
    out.writeString(stamp.storedProfileText, "profile text");
    return out.bytes();
}

void readNativeData(std::string_view bytes, StampRecord& stamp) {
    NativeDataItems items = readItems(bytes);

    stamp.approverName = std::move(items.approverName);
    stamp.section = std::move(items.section);
    stamp.approvalDate = std::move(items.approvalDate);
    stamp.comment = std::move(items.comment);
    stamp.drawing.lowerText = std::move(items.lowerText);
    stamp.upperTextsTagged = std::move(items.upperTextsTagged);
    stamp.drawing.sealDateText = std::move(items.sealDateText);
    stamp.documentNumber = std::move(items.documentNumber);
    stamp.stampTypeCode = items.stampTypeCode;
    stamp.sealFileText = std::move(items.sealFileText);
    stamp.fontText = std::move(items.fontText);
    stamp.informationText = std::move(items.informationText);
    stamp.storedProfileText = std::move(items.storedProfileText);

    const StampType type = stampTypeOfCode(stamp.stampTypeCode);
    stamp.shape = type.shape;
    stamp.drawing.colour = type.colour;
    readUpperTextsTagged(stamp.upperTextsTagged, stamp.drawing);
    readFontText(stamp.fontText, stamp.drawing);
    readInformationText(stamp.informationText, stamp);
    stamp.drawing.profileText = stamp.storedProfileText;
}

StampRecord readNativeData(std::string_view bytes) {
    StampRecord stamp;
    readNativeData(bytes, stamp);
    return stamp;
}

} // namespace vermil
