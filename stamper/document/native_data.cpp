#include "stamper/document/native_data.h"

#include "stamper/document/stamp_document_texts.h"
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
        throw NativeDataError(
            stampDocumentText(StampDocumentCaptions::dataTooLarge,
                              {std::to_string(bytes.size()), std::to_string(maxNativeDataBytes)}));
    ArchiveReader in(bytes);
    NativeDataItems items;
    items.approverName = in.readString(StampDocumentCaptions::approverName.english);
    items.section = in.readString(StampDocumentCaptions::section.english);
    items.approvalDate = in.readString(StampDocumentCaptions::approvalDate.english);
    items.comment = in.readString(StampDocumentCaptions::comment.english);
    items.lowerText = in.readString(StampDocumentCaptions::lowerText.english);
    items.upperTextsTagged = in.readString(StampDocumentCaptions::upperTexts.english);
    items.sealDateText = in.readString(StampDocumentCaptions::sealDateText.english);
    items.documentNumber = in.readString(StampDocumentCaptions::documentNumber.english);
    items.stampTypeCode = in.readInt32(StampDocumentCaptions::stampTypeCode.english);
    items.sealFileText = in.readString(StampDocumentCaptions::sealFileText.english);
    items.fontText = in.readString(StampDocumentCaptions::fontText.english);
    items.informationText = in.readString(StampDocumentCaptions::informationText.english);
    items.storedProfileText = in.readString(StampDocumentCaptions::profileText.english);
    if (in.remaining() != 0)
        throw NativeDataError(stampDocumentText(StampDocumentCaptions::bytesAfterLastItem,
                                                {std::to_string(in.remaining())}));
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
    out.writeString(stamp.approverName, StampDocumentCaptions::approverName.english);
    out.writeString(stamp.section, StampDocumentCaptions::section.english);
    out.writeString(stamp.approvalDate, StampDocumentCaptions::approvalDate.english);
    out.writeString(stamp.comment, StampDocumentCaptions::comment.english);
    out.writeString(stamp.drawing.lowerText, StampDocumentCaptions::lowerText.english);
    out.writeString(stamp.upperTextsTagged, StampDocumentCaptions::upperTexts.english);
    out.writeString(stamp.drawing.sealDateText, StampDocumentCaptions::sealDateText.english);
    out.writeString(stamp.documentNumber, StampDocumentCaptions::documentNumber.english);
    out.writeInt32(stamp.stampTypeCode);
    out.writeString(stamp.sealFileText, StampDocumentCaptions::sealFileText.english);
    out.writeString(stamp.fontText, StampDocumentCaptions::fontText.english);
    out.writeString(stamp.informationText, StampDocumentCaptions::informationText.english);
    out.writeString(stamp.storedProfileText, StampDocumentCaptions::profileText.english);
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
