#include "checker_language.h"

#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/hanko_settings.h"

namespace vermil {

Language checkerLanguage(std::string_view hankoFolder) {
    const HankoSettings settings(nativePath(settingsFilePath(hankoFolder)));
    return languageOf(settings.lang());
}

} // namespace vermil
