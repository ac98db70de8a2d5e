#include "render/seal_font_check.h"

#include "render/seal_fonts.h"

#include "common/interaction/prompter.h"

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

QString missingSealFontsMessage(const SealFontAvailability& availability, Language language) {
    if (!availability.noneInstalled()) {
        return {};
    }
    const QString families = availability.missingFamilies.join(QStringLiteral(", "));
    const QString english =
        QStringLiteral("None of the seal fonts is installed (%1), so Japanese seal texts may "
                       "show as empty boxes. Install the packages fonts-ipafont-gothic and "
                       "fonts-ipafont-mincho.")
            .arg(families);
    if (language == Language::English) {
        return english;
    }
    // Without Japanese fonts the Japanese sentence may itself be boxes: the English
    // one follows it.
    return QStringLiteral("印影のフォント（%1）がひとつもインストールされていないため、印影の"
                          "日本語の文字が四角で表示されることがあります。パッケージ "
                          "fonts-ipafont-gothic と fonts-ipafont-mincho をインストールして"
                          "ください。")
               .arg(families) +
           QStringLiteral("\n\n") + english;
}

void warnOfMissingSealFonts(Prompter& prompter, Language language,
                            const SealFontAvailability& availability) {
    const QString message = missingSealFontsMessage(availability, language);
    if (!message.isEmpty()) {
        prompter.showMessage(message, MessageIcon::Warning);
    }
}

} // namespace vermil
