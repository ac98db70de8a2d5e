#pragma once

#include "common/texts_table.h"

namespace vermil {

// The captions and messages of the seal dialog. Captions carry their mnemonic in
// English ("&Name"); the system's Japanese captions stand as they are, without
// mnemonic suffixes. The system's own captions that exist in one form only
// ("Seal Dialogue", "Profile", "Save Password", "Color", "OK", "Cancel") are the
// same in both languages.
#define VERMIL_SEAL_DIALOG_TEXTS(TEXT, OPTIONAL_TEXT)                                              \
    TEXT(windowTitle, Caption::same("Seal Dialogue"))                                              \
    TEXT(stampSelection, {.japanese = "日付印選択", .english = "&Stamp Selection"})                \
    TEXT(sealInformation, {.japanese = "押印情報", .english = "Seal Information"})                 \
    TEXT(documentNo, {.japanese = "文書番号", .english = "&Document No"})                          \
    TEXT(name, {.japanese = "名前", .english = "&Name"})                                           \
    TEXT(section, {.japanese = "所属", .english = "S&ection"})                                     \
    TEXT(date, {.japanese = "日付", .english = "D&ate"})                                           \
    TEXT(comment, {.japanese = "コメント", .english = "Co&mment"})                                 \
    TEXT(profile, Caption::same("Profile"))                                                        \
    TEXT(password, {.japanese = "パスワード", .english = "&Password"})                             \
    TEXT(savePassword, Caption::same("Sa&ve Password"))                                            \
    TEXT(colour, Caption::same("&Color"))                                                          \
    TEXT(ok, Caption::same("OK"))                                                                  \
    TEXT(cancel, Caption::same("Cancel"))                                                          \
    /* What the dialog adds: the labels of the user and index lines, the colour */                 \
    /* chooser's title, the hint of the date in the seal, and the refusal of a */                  \
    /* character without a Shift-JIS form. */                                                      \
    TEXT(userLine, {.japanese = "ユーザー:", .english = "User:"})                                  \
    TEXT(indexLine, {.japanese = "インデックス:", .english = "Index:"})                            \
    TEXT(colourChooserTitle, {.japanese = "印の色", .english = "Seal Colour"})                     \
    TEXT(sealDateHint, {.japanese = "印の日付（クリックして変更できます）",                        \
                        .english = "The date in the seal: click to change it"})                    \
    TEXT(noShiftJisForm,                                                                           \
         {.japanese = "この文字は Shift-JIS で表せないため保存できません。",                       \
          .english = "This character has no Shift-JIS form and cannot be stored."})                \
    /* OK without a seal name */                                                                   \
    TEXT(noSealSelected, {.japanese = "印名が選択されていません。\n",                              \
                          .english = "Vermil name has not been selected.\n"})                      \
    TEXT(wrongPassword, {.japanese = "Error 1315: パスワードが一致しません。",                     \
                         .english = "Error 1315: Password is incorrect."})                         \
    TEXT(keptPasswordMissing, Caption::same("Warning 432: can't find kept password."))

struct SealDialogTexts {
    VERMIL_TEXTS_MEMBERS(SealDialogTexts, VERMIL_SEAL_DIALOG_TEXTS)
};

} // namespace vermil
