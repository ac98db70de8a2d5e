#include "render/seal_font_check.h"

#include "render/seal_fonts.h"
#include "render/seal_picture_texts.h"

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
    return fillPlaceholders(
        SealPictureCaptions::fontsMissingNotice.english,
        {availability.missingFamilies.join(QStringLiteral(", ")).toStdString()});
}

QString missingSealFontsMessage(const SealFontAvailability& availability, Language language) {
    if (!availability.noneInstalled()) {
        return {};
    }
    const QString families = availability.missingFamilies.join(QStringLiteral(", "));
    QString english = SealPictureTexts::of(Language::English).fontsMissing.arg(families);
    if (language == Language::English) {
        return english;
    }
    // Without Japanese fonts the Japanese sentence may itself be boxes: the English
    // one follows it.
    return SealPictureTexts::of(Language::Japanese).fontsMissing.arg(families) +
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
