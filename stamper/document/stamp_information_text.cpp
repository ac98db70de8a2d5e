#include "stamper/document/stamp_information_text.h"

#include "common/cp932.h"
#include "common/language.h"
#include "stamper/document/stamp_record.h"

#include <array>

namespace vermil {
namespace {

struct InformationLabels {
    std::string_view english;
    std::string_view japanese;
};

// The blanks are part of each label: the version and computer lines have none after the colon.
constexpr std::array<InformationLabels, 8> labels{{
    {"Document No : ", "文書番号 : "},
    {"Date : ", "承認日 : "},
    {"Name : ", "承認者 : "},
    {"Section : ", "承認者の所属 : "},
    {"Comment : ", "コメント : "},
    {"Stamp Version :", "押印に使われたバージョン :"},
    {"ComputerName : ", "押印に使われたコンピュータ :"},
    {"Windows UserID : ", "押印時のWindows ユーザID : "},
}};

} // namespace

std::string stampInformationText(const StampRecord& stamp, std::string_view language) {
    const bool japanese = languageOf(language) == Language::Japanese;
    const std::array<const std::string*, 8> values{
        &stamp.documentNumber, &stamp.approvalDate,    &stamp.approverName, &stamp.section,
        &stamp.comment,        &stamp.recordedVersion, &stamp.computerName, &stamp.windowsUser};
    std::string text;
    for (std::size_t line = 0; line < labels.size(); ++line) {
        text += japanese ? cp932Literal(labels[line].japanese) : std::string(labels[line].english);
        text += *values[line];
        text += "\r\n";
    }
    return text;
}

} // namespace vermil
