#include "stamper/sealdialog/accepted_stamp.h"

#include "stamper/sealdialog/remembered_password.h"

#include "common/colour_file.h"
#include "common/cp932.h"
#include "common/hanko_settings.h"
#include "common/keyed_hash.h"
#include "common/user_profile.h"

namespace vermil {
namespace {

void rememberFields(const AcceptedStamp& stamp) {
    const SealDialogOutputs& out = stamp.outputs;
    const auto seal = [&out](const char* key, const std::string& value) {
        return IniWrite{out.sealName, key, value};
    };
    HankoSettings(nativePath(stamp.settingsFilePath))
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
    ColourFile(stamp.colourFile).setColour(out.sealName, static_cast<int>(out.colour));
}

void rememberPassword(const AcceptedStamp& stamp, UserProfile& profile) {
    using namespace rememberedpassword;
    if (stamp.savePassword)
        profile.setUserValues({{codeKey, QString::fromStdString(encodePairs(stamp.password))},
                               {keptKey, QStringLiteral("1")}});
    else
        profile.setUserValues({{codeKey, QString()}, {keptKey, QStringLiteral("0")}});
}

} // namespace

StampLogOutcome logAcceptedStamp(const AcceptedStamp& stamp, Prompter& prompter) {
    return appendStampLog(stamp.logEntry, stamp.log, prompter, stamp.language);
}

void rememberAcceptedStamp(const AcceptedStamp& stamp, UserProfile& profile) {
    rememberFields(stamp);
    rememberPassword(stamp, profile);
}

} // namespace vermil
