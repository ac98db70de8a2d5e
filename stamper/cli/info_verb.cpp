#include "info_verb.h"

#include "command_line.h"
#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/hanko_settings.h"
#include "stamp_file_reading.h"
#include "stamper/stamp_information_text.h"

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

int runInfoVerb(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err) {
    const auto stamp = readStampFile(operands.at(0), err);
    if (!stamp)
        return exitUsageOrFileError;
    out << terminalText(stampInformationText(*stamp, settingsLanguage()));
    out.flush();
    return exitSuccess;
}

} // namespace vermil::cli
