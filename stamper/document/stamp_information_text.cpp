#include "stamper/document/stamp_information_text.h"

#include "common/cp932.h"
#include "common/language.h"
#include "stamper/document/stamp_information_label_texts.h"
#include "stamper/document/stamp_record.h"

#include <array>
#include <utility>

namespace vermil {

std::string stampInformationText(const StampRecord& stamp, std::string_view language) {
    const StampInformationLabelTexts& labels = StampInformationLabelTexts::of(languageOf(language));
    const std::array<std::pair<const QString*, const std::string*>, 8> lines{{
        {&labels.documentNo, &stamp.documentNumber},
        {&labels.date, &stamp.approvalDate},
        {&labels.name, &stamp.approverName},
        {&labels.section, &stamp.section},
        {&labels.comment, &stamp.comment},
        {&labels.version, &stamp.recordedVersion},
        {&labels.computerName, &stamp.computerName},
        {&labels.windowsUser, &stamp.windowsUser},
    }};
    std::string text;
    for (const auto& [label, value] : lines) {
        text += cp932Literal(label->toStdString());
        text += *value;
        text += "\r\n";
    }
    return text;
}

} // namespace vermil
