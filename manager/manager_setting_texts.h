#pragma once

#include "common/texts_table.h"

namespace vermil {

// The captions of the manager's settings dialog. Its label follows the language
// setting as it stands when the dialog opens; the rest has one form only.
#define VERMIL_MANAGER_SETTING_TEXTS(TEXT, OPTIONAL_TEXT)                                          \
    TEXT(windowTitle, Caption::same("Setting"))                                                    \
    TEXT(languageLabel, {.japanese = "言語", .english = "Language"})                               \
    TEXT(ok, Caption::same("OK"))                                                                  \
    TEXT(close, Caption::same("Close"))

struct ManagerSettingTexts {
    VERMIL_TEXTS_MEMBERS(ManagerSettingTexts, VERMIL_MANAGER_SETTING_TEXTS)
};

} // namespace vermil
