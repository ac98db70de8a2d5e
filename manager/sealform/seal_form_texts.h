#pragma once

#include "common/texts_table.h"

namespace vermil {

// The captions of the register dialog: they follow the language.
#define VERMIL_REGISTER_SEAL_TEXTS(TEXT, OPTIONAL_TEXT)                                            \
    TEXT(windowTitle, Caption::same("Add Dialogue"))                                               \
    TEXT(nameGroup, {.japanese = "Vermil名", .english = "Vermil Name"})                            \
    TEXT(passwordGroup, {.japanese = "押印パスワード", .english = "Seal Password"})                \
    TEXT(passwordHint, {.japanese = "任意の英数字", .english = "Alphanumeric characters"})         \
    TEXT(up2Label, {.japanese = "上段２", .english = "Up2"})                                       \
    TEXT(up1Label, {.japanese = "上段１", .english = "Up1"})                                       \
    TEXT(downLabel, {.japanese = "下段", .english = "Down"})                                       \
    OPTIONAL_TEXT(upperTextsHint,                                                                  \
                  {.japanese = "任意の文字列（漢字可)", .english = "Arvitrary Text"})              \
    TEXT(dateFormatLabel, {.japanese = "日付書式", .english = "Date Format"})                      \
    OPTIONAL_TEXT(dateFormatHint, Caption::same("NN.MM.DD : 和暦"))                                \
    TEXT(sizeGroup, {.japanese = "サイズ(mm)", .english = "Size(mm)"})                             \
    TEXT(sizeX, {.japanese = "横", .english = "H"})                                                \
    TEXT(sizeY, {.japanese = "縦", .english = "V"})                                                \
    OPTIONAL_TEXT(sizeNote, {.japanese = "縦と横のサイズが異なると楕円になります。",               \
                             .english = "It will become ellipse if the sizes of H and V differ."}) \
    TEXT(profileGroup, {.japanese = "プロファイル", .english = "Profile"})                         \
    TEXT(browseProfile, Caption::same("Ref"))                                                      \
    TEXT(indexPathGroup, {.japanese = "インデックスファイルパス", .english = "Index File Path"})   \
    TEXT(detail, {.japanese = "詳細設定", .english = "Detail"})                                    \
    TEXT(ok, Caption::same("OK"))                                                                  \
    TEXT(cancel, Caption::same("Close"))

// The captions of the edit dialog: one set whatever the language, without the
// hints that the register dialog adds. Its rows name the same members, in the
// same order, as the register dialog's.
#define VERMIL_EDIT_SEAL_TEXTS(TEXT, OPTIONAL_TEXT)                                                \
    TEXT(windowTitle, Caption::same("Edit Dialogue"))                                              \
    TEXT(nameGroup, Caption::same("Name(印名)"))                                                   \
    TEXT(passwordGroup, Caption::same("Passwd(パスワード)"))                                       \
    TEXT(passwordHint, Caption::same("任意の英数字文字列"))                                        \
    TEXT(up2Label, Caption::same("Up2"))                                                           \
    TEXT(up1Label, Caption::same("Up1"))                                                           \
    TEXT(downLabel, Caption::same("Down"))                                                         \
    OPTIONAL_TEXT(upperTextsHint, absentCaption)                                                   \
    TEXT(dateFormatLabel, Caption::same("Date Format"))                                            \
    OPTIONAL_TEXT(dateFormatHint, absentCaption)                                                   \
    TEXT(sizeGroup, Caption::same("Size"))                                                         \
    TEXT(sizeX, Caption::same("横(mm)"))                                                           \
    TEXT(sizeY, Caption::same("縦(mm)"))                                                           \
    OPTIONAL_TEXT(sizeNote, absentCaption)                                                         \
    TEXT(profileGroup, Caption::same("Profile"))                                                   \
    TEXT(browseProfile, Caption::same("Ref"))                                                      \
    TEXT(indexPathGroup, Caption::same("Index File Path"))                                         \
    TEXT(detail, Caption::same("詳細設定"))                                                        \
    TEXT(ok, Caption::same("OK"))                                                                  \
    TEXT(cancel, Caption::same("Cancel"))

struct SealFormTexts {
    VERMIL_TEXTS_FIELDS(VERMIL_REGISTER_SEAL_TEXTS)

    static const SealFormTexts& registerTexts(Language language);
    static const SealFormTexts& editTexts();
    static std::vector<TextsRow> registerRows();
    static std::vector<TextsRow> editRows();
};

// Messages of both dialogs and the profile chooser: Japanese whatever the
// language. The register dialog's codes are the 300s from 300, the edit dialog's
// from 310.
#define VERMIL_SEAL_FORM_MESSAGES(TEXT, OPTIONAL_TEXT)                                                         \
    TEXT(registerNameEmpty, Caption::same("Error300 : Vermil名が設定されていません。"))                        \
    TEXT(registerPasswordEmpty, Caption::same("Error301:パスワードが設定されていません。\n"))                  \
    TEXT(registerUp1Empty, Caption::same("Error302:上段が設定されていません。\n"))                             \
    TEXT(registerDownEmpty, Caption::same("Error303:下段が設定されていません。\n"))                            \
    TEXT(registerSealFileFailed,                                                                               \
         Caption::same("Error307: Vermilファイル(.vrm)への書き込みに失敗しました。\n"        \
                       "Vermilデータフォルダー(vrdata)のアクセス権限を確認してください。"))                    \
    TEXT(registerIndexFailed,                                                                                  \
         Caption::same("Error 309: インデックスファイルへの書き込みに失敗しました。\n" \
                       "インデックスファイルのアクセス権限を確認してください。"))                              \
    TEXT(registered, Caption::same("登録しました。"))                                                          \
    TEXT(editNameEmpty, Caption::same("Error310: 印名が設定されていません。\n"))                               \
    TEXT(editPasswordEmpty, Caption::same("Error311: パスワードが設定されていません。\n"))                     \
    TEXT(editUp1Empty, Caption::same("Error312: 上段が設定されていません。\n"))                                \
    TEXT(editDownEmpty, Caption::same("Error313: 下段が設定されていません。\n"))                               \
    TEXT(editSealFileFailed,                                                                                   \
         Caption::same("Error317: Vermilファイル(.vrm)への書き込みに失敗しました。\n"        \
                       "Vermilデータフォルダー(vrdata)のアクセス権限を確認してください。"))                    \
    TEXT(editIndexFailed,                                                                                      \
         Caption::same("Error 319: インデックスファイルへの書き込みに失敗しました。\n" \
                       "インデックスファイルのアクセス権限を確認してください。"))                              \
    TEXT(edited, Caption::same("修正しました。"))                                                              \
    /* a field holds a character %1 that Shift-JIS cannot store */                                             \
    TEXT(notStorable,                                                                                          \
         Caption::same("文字「%1」は Shift-JIS (CP932) で表せないため登録できません。"))                       \
    TEXT(profileChooserTitle, Caption::same("日付印Vermilプロファイル選択"))                                   \
    TEXT(profileChooserFilter, Caption::same("Data File(*.xml)"))

struct SealFormMessages {
    VERMIL_TEXTS_MEMBERS(SealFormMessages, VERMIL_SEAL_FORM_MESSAGES)
};

// The messages of both dialogs, the same whatever the language.
inline const SealFormMessages& sealFormMessages() {
    return SealFormMessages::of(Language::Japanese);
}

} // namespace vermil
