#include "verbs.h"

#include "sealfiles/seal_verification.h"

#include "common/cp932.h"

namespace vermil {

int verifyVerb(const std::string& indexPath) {
    if (!requireIndex(indexPath))
        return ExitUsage;
    const SealIndex index(indexPath);
    bool allPassed = true;
    for (const std::string& name : index.names()) {
        const SealVerification verification = verifySeal(index, name);
        allPassed = allPassed && verification.passed();
        // One line per seal: the message's own line breaks become blanks.
        const QString result =
            verification.passed()
                ? QStringLiteral("OK")
                : QStringLiteral("NG ") +
                      verification.message().replace(QLatin1Char('\n'), QLatin1Char(' '));
        printLine(fromCp932(name) + QStringLiteral(": ") + result);
    }
    return allPassed ? ExitOk : ExitFault;
}

} // namespace vermil
