#pragma once

#include "common/texts_table.h"

namespace vermil {

// The captions of the settings dialog, CIndexDlg: the system has them in one form
// (English with some Japanese), the same in both languages. Its messages the system
// does not have, so each language has its own.
#define VERMIL_SETTINGS_DIALOG_TEXTS(TEXT, OPTIONAL_TEXT)                                          \
    TEXT(windowTitle, Caption::same("設定(Setting)"))                                              \
    TEXT(indexLabel, Caption::same("Index File &Path"))                                            \
    TEXT(browse, Caption::same("&Ref"))                                                            \
    TEXT(autoStampGroup, Caption::same("自動押印(Auto Stamp)"))                                    \
    TEXT(autoNone, Caption::same("なし"))                                                          \
    TEXT(auto1, Caption::same("自動１(Auto&1)"))                                                   \
    TEXT(auto2, Caption::same("自動２(Auto&2)"))                                                   \
    TEXT(clipboard, Caption::same("クリップボードへ転写"))                                         \
    TEXT(languageLabel, Caption::same("&Language"))                                                \
    TEXT(ok, Caption::same("OK"))                                                                  \
    TEXT(cancel, Caption::same("Cansel"))                                                          \
    TEXT(chooserTitle, Caption::same("Index FilePath Setting"))                                    \
    TEXT(fileFilter, Caption::same("Data File(*.dat)"))                                            \
    /* %1 the path typed */                                                                        \
    TEXT(pathNotCp932, {.japanese = "パス %1 には Shift-JIS で表せない文字があります。",           \
                        .english = "The path %1 holds a character that has no Shift-JIS form."})   \
    /* %1 the settings file */                                                                     \
    TEXT(cannotWrite, {.japanese = "設定を %1 に書き込めませんでした。",                           \
                       .english = "The setting could not be written to %1."})

struct SettingsDialogTexts {
    VERMIL_TEXTS_MEMBERS(SettingsDialogTexts, VERMIL_SETTINGS_DIALOG_TEXTS)
};

} // namespace vermil
