#include "stamper/view/stamp_information_model.h"

#include "common/cp932.h"
#include "stamper/document/stamp_document.h"
#include "stamper/document/stamp_information_text.h"

namespace vermil {

StampInformationModel::StampInformationModel(const CVermilinDoc& document)
    : language_(languageOf(document.language())),
      text_(fromCp932(stampInformationText(document.stamp(), document.language()))) {}

} // namespace vermil
