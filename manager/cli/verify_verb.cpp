#include "manager/cli/verbs.h"

#include "manager/cli/vrmgr_verb_texts.h"

#include "sealfiles/layout_profile.h"
#include "sealfiles/seal_verification.h"

#include "common/cp932.h"

#include <ostream>

namespace vermil {

cli::ExitStatus verifyVerb(const cli::VerbCall& call) {
    const auto indexPath = chooseIndexPath(call);
    if (!indexPath)
        return cli::ExitStatus::UsageOrFileError;
    if (!noteMissingIndex(*indexPath, call))
        return cli::ExitStatus::Done;
    const SealIndex index(*indexPath);
    bool allPassed = true;
    for (const std::string& name : index.names()) {
        const SealVerification verification = verifySeal(index, name);
        // A seal that passes would still be stamped without its layout.
        const bool profileMissing =
            verification.passed() &&
            !profileIsReadable(index.sealFolder(), verification.content.profile);
        allPassed = allPassed && verification.passed() && !profileMissing;
        // One line per seal: the message's own line breaks become blanks. "OK" and "NG "
        // are the line's fixed syntax, which scripts read (as trailscan's verdicts), not texts.
        const QString problem =
            profileMissing ? vrmgrVerbTexts().profileMissing.arg(fromCp932(
                                 profilePath(index.sealFolder(), verification.content.profile)))
                           : verification.message().replace(QLatin1Char('\n'), QLatin1Char(' '));
        const QString result = verification.passed() && !profileMissing
                                   ? QStringLiteral("OK")
                                   : QStringLiteral("NG ") + problem;
        call.out() << (fromCp932(name) + QStringLiteral(": ") + result).toStdString() << '\n';
    }
    call.out().flush();
    return allPassed ? cli::ExitStatus::Done : cli::ExitStatus::Fault;
}

} // namespace vermil
