#include "manager/manager_setting_texts.h"

namespace vermil {

const ManagerSettingTexts& ManagerSettingTexts::get() {
    static const ManagerSettingTexts texts{
        QStringLiteral("Setting"), QStringLiteral("言語"),  QStringLiteral("Language"),
        QStringLiteral("OK"),      QStringLiteral("Close"),
    };
    return texts;
}

} // namespace vermil
