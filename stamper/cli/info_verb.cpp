#include "info_verb.h"

#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/hanko_settings.h"
#include "common/language.h"
#include "stamp_sources.h"
#include "stamper/document/stamp_information_text.h"

#include <filesystem>
#include <ostream>

namespace vermil::cli {
namespace {

std::string settingsLanguage() {
    const HankoSettings settings(nativePath(
        settingsFilePath(chooseHankoFolder(locateDocumentsFolder(FolderUse::ReadOnly), nullptr))));
    return settings.lang();
}

// CP932 with CR LF line ends in, UTF-8 with LF out.
std::string terminalText(std::string_view cp932Text) {
    const std::string utf8 = cp932ToUtf8(cp932Text);
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i)
        if (!(utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n'))
            text += utf8[i];
    return text;
}

} // namespace

ExitStatus runInfoVerb(const VerbCall& call) {
    const auto stamps = readStamps(call.operands().at(0), call.err());
    if (!stamps)
        return ExitStatus::UsageOrFileError;
    const std::string language = settingsLanguage();
    bool damaged = false;
    for (std::size_t i = 0; i < stamps->size(); ++i) {
        const FoundStamp& found = (*stamps)[i];
        if (found.inPdf)
            call.out() << (i > 0 ? "\n" : "")
                       << pdfStampHeading(i + 1, stamps->size(), *found.inPdf, languageOf(language))
                       << "\n";
        if (!found.damage.empty()) {
            // The heading keeps the numbering; the reason goes where errors go.
            call.out().flush();
            call.err() << found.damage << "\n";
            damaged = true;
            continue;
        }
        call.out() << terminalText(stampInformationText(found.stamp, language));
    }
    call.out().flush();
    return damaged ? ExitStatus::Fault : ExitStatus::Done;
}

} // namespace vermil::cli
