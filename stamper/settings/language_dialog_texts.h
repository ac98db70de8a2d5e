#pragma once

#include "common/texts_table.h"

namespace vermil {

// The captions of the language dialog, CLangDlg: one form only (English).
#define VERMIL_LANGUAGE_DIALOG_TEXTS(TEXT, OPTIONAL_TEXT)                                          \
    TEXT(windowTitle, Caption::same("Language"))                                                   \
    TEXT(prompt, Caption::same("Select Language."))                                                \
    TEXT(group, Caption::same("Language"))                                                         \
    TEXT(japanese, Caption::same("&Japanese"))                                                     \
    TEXT(english, Caption::same("&English"))                                                       \
    TEXT(ok, Caption::same("OK"))

struct LanguageDialogTexts {
    VERMIL_TEXTS_MEMBERS(LanguageDialogTexts, VERMIL_LANGUAGE_DIALOG_TEXTS)
};

} // namespace vermil
