#include "stamper/sealdialog/accepted_stamp.h"

#include "stamper/sealdialog/remembered_password.h"

#include "common/colour_file.h"
#include "common/cp932.h"
#include "common/hanko_settings.h"
#include "common/keyed_hash.h"
#include "common/user_profile.h"

namespace vermil {
namespace {

bool rememberFields(const AcceptedStamp& stamp) {
    const SealDialogOutputs& out = stamp.outputs;
    const auto seal = [&out](const char* key, const std::string& value) {
        return IniWrite{out.sealName, key, value};
    };
    return HankoSettings(nativePath(stamp.settingsFilePath))
        .writeAll({
            seal("Date", out.approvalDate),
            seal("DateIn", out.sealDateText),
            seal("Item", firstCommentLine(out.comment)),
            seal("Name", out.name),
            seal("NameIn", out.lowerText),
            seal("Section", out.section),
            seal("SectionIn", out.upperText1),
            seal("DocumentNo", out.documentNumber),
            {std::string(hankokeys::commonDocumentNo.section),
             std::string(hankokeys::commonDocumentNo.key), ""},
            {std::string(hankokeys::listBox.section), std::string(hankokeys::listBox.key),
             out.sealName},
        });
}

bool rememberColour(const AcceptedStamp& stamp) {
    return ColourFile(stamp.colourFile)
        .setColour(stamp.outputs.sealName, static_cast<int>(stamp.outputs.colour));
}

bool rememberPassword(const AcceptedStamp& stamp, UserProfile& profile) {
    using namespace rememberedpassword;
    if (stamp.savePassword)
        return profile.setUserValues(
            {{codeKey, QString::fromStdString(encodePairs(stamp.password))},
             {keptKey, QStringLiteral("1")}});
    return profile.setUserValues({{codeKey, QString()}, {keptKey, QStringLiteral("0")}});
}

} // namespace

StampLogOutcome logAcceptedStamp(const AcceptedStamp& stamp, Prompter& prompter) {
    return appendStampLog(stamp.logEntry, stamp.log, prompter, stamp.language);
}

std::vector<std::filesystem::path> rememberAcceptedStamp(const AcceptedStamp& stamp,
                                                         UserProfile& profile) {
    std::vector<std::filesystem::path> notWritten;
    if (!rememberFields(stamp))
        notWritten.push_back(nativePath(stamp.settingsFilePath));
    if (!rememberColour(stamp))
        notWritten.push_back(stamp.colourFile);
    if (!rememberPassword(stamp, profile))
        notWritten.push_back(profile.fileName().toStdString());
    return notWritten;
}

} // namespace vermil
