#include "server_verbs.h"

#include "common/language.h"
#include "stamper/document/server_registration.h"
#include "stamper/view/program_start.h"

#include <ostream>

namespace vermil::cli {

ExitStatus runRegserverVerb(const VerbCall& call) {
    const std::filesystem::path dataHome = userDataHome();
    const RegistrationResult result = registerServer(dataHome, languageOf(programStartLanguage()));
    if (!result.error.empty()) {
        call.error() << result.error << "\n";
        return ExitStatus::UsageOrFileError;
    }
    call.out() << desktopEntryPath(dataHome).string() << "\n"
               << mimePackagePath(dataHome).string() << "\n";
    return ExitStatus::Done;
}

ExitStatus runUnregserverVerb(const VerbCall& call) {
    programStartLanguage();
    const RegistrationResult result = unregisterServer(userDataHome());
    if (!result.error.empty()) {
        call.error() << result.error << "\n";
        return ExitStatus::UsageOrFileError;
    }
    return ExitStatus::Done;
}

ExitStatus runAutomationVerb(const VerbCall&) {
    programStartLanguage();
    return ExitStatus::Done;
}

} // namespace vermil::cli
