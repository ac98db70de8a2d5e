#include "stamp_fields.h"

#include "stamp_verb_texts.h"
#include "verb_input.h"

#include "common/files/regular_file.h"

#include <QByteArray>

#include <ostream>

namespace vermil::cli {

namespace t = stampverbtexts;

std::optional<StampFields> readStampFields(const VerbCall& call) {
    StampFields f;
    const std::pair<std::string_view, std::optional<std::string>*> texts[] = {
        {"--seal", &f.seal},          {"--document-no", &f.documentNumber},
        {"--name", &f.name},          {"--section", &f.section},
        {"--date", &f.approvalDate},  {"--comment", &f.comment},
        {"--seal-date", &f.sealDate},
    };
    for (const auto& [option, value] : texts)
        if (!cp932Option(call, option, *value))
            return std::nullopt;
    if (call.has("--save-password") && call.has("--no-save-password")) {
        call.error() << t::saveFlagsExcludeEachOther << "\n";
        return std::nullopt;
    }
    if (call.has("--save-password") || call.has("--no-save-password"))
        f.savePassword = call.has("--save-password");
    return f;
}

bool readStampPassword(const VerbCall& call, StampFields& fields) {
    if (call.has("--password-stdin")) {
        fields.password = passwordLine(call);
        return fields.password.has_value();
    }
    if (qEnvironmentVariableIsSet("VERMIL_PASSWORD")) {
        fields.password = passwordInput(call, qgetenv("VERMIL_PASSWORD").toStdString());
        return fields.password.has_value();
    }
    return true;
}

bool requireOutputPlace(const VerbCall& call, const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path();
    std::error_code ec;
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
        call.error() << t::noSuchFolder(file.string()) << "\n";
        return false;
    }
    // An output replaces only a regular file: never a device or a FIFO.
    if (const std::error_code kind = outputKindProblem(file)) {
        call.error() << t::notAFileToWrite(file.string(), kind.message()) << "\n";
        return false;
    }
    return true;
}

} // namespace vermil::cli
