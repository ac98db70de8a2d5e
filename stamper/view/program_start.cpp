#include "stamper/view/program_start.h"

#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/hanko_settings.h"

#include <QLocale>

namespace vermil {

std::string programStartLanguage() {
    const QLocale locale = QLocale::system();
    const auto documents = locateDocumentsFolder();
    if (!documents)
        return locale.language() == QLocale::Japanese ? "Japanese" : "English";
    const HankoSettings settings(nativePath(settingsFilePath(*documents)));
    return languageAtStart(settings, locale);
}

} // namespace vermil
