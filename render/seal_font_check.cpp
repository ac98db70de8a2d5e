#include "render/seal_font_check.h"

#include "render/seal_fonts.h"

#include <QFontDatabase>

namespace vermil {

SealFontAvailability sealFontAvailability(const FontFamilyQuery& isInstalled) {
    SealFontAvailability availability;
    for (const QString& family : mappedSealFamilies()) {
        (isInstalled(family) ? availability.installedFamilies : availability.missingFamilies)
            .append(family);
    }
    return availability;
}

SealFontAvailability installedSealFontAvailability() {
    return sealFontAvailability(
        [](const QString& family) { return QFontDatabase::hasFamily(family); });
}

std::string missingSealFontsNotice(const SealFontAvailability& availability) {
    if (!availability.noneInstalled()) {
        return {};
    }
    return "warning: none of the seal fonts is installed (" +
           availability.missingFamilies.join(QStringLiteral(", ")).toStdString() +
           "), so Japanese seal texts may show as empty boxes; install the packages "
           "fonts-ipafont-gothic and fonts-ipafont-mincho";
}

} // namespace vermil
