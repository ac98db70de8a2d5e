#include "setting_texts.h"

namespace vermil {

const SettingTexts& SettingTexts::get() {
    static const SettingTexts texts{
        QStringLiteral("Setting"), QStringLiteral("言語"),  QStringLiteral("Language"),
        QStringLiteral("OK"),      QStringLiteral("Close"),
    };
    return texts;
}

} // namespace vermil
