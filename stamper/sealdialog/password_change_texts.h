#pragma once

#include "common/texts_table.h"

namespace vermil {

// The captions of the password change dialog, with their mnemonics, and its
// messages. "Change Password", "Index Path ：", "OK", "Cancel" and the messages
// exist in one form only.
#define VERMIL_PASSWORD_CHANGE_TEXTS(TEXT, OPTIONAL_TEXT)                                                               \
    TEXT(windowTitle, Caption::same("Change Password"))                                                                 \
    TEXT(vermilName, {.japanese = "日付印名", .english = "&Vermil Name"})                                               \
    TEXT(oldPassword, {.japanese = "古い押印パスワード", .english = "&Old Password"})                                   \
    TEXT(newPassword, {.japanese = "新しい押印パスワード", .english = "&New Password"})                                 \
    TEXT(samePasswordAgain,                                                                                             \
         {.japanese = "新しい押印パスワード（確認のため）", .english = "&Input same password"})                         \
    TEXT(indexPath, Caption::same("Index Path ："))                                                                     \
    TEXT(ok, Caption::same("OK"))                                                                                       \
    TEXT(cancel, Caption::same("Cancel"))                                                                               \
    TEXT(noSealSelected,                                                                                                \
         Caption::same("Error 1300 : パスワードを変更するVermil名が選択されていません。"))                              \
    TEXT(oldPasswordEmpty, Caption::same("Error 1301 : 現在のパスワードが入力されていません。"))                        \
    TEXT(newPasswordEmpty, Caption::same("Error 1302 : 新しいパスワードが入力されていません。"))                        \
    TEXT(newPasswordAgainEmpty,                                                                                         \
         Caption::same("Error 1303 : 新しいパスワードが入力されていません。"))                                          \
    TEXT(newPasswordsDiffer, Caption::same("Error 1304 : ２つの新しいパスワードが一致しません。"))                      \
    TEXT(passwordCodeEmpty,                                                                                             \
         Caption::same("Error 1305 : 現在のパスワード情報を得ることができません。\n"              \
                       "インデックスファイルが異常です。"))                                                             \
    TEXT(oldPasswordWrong, Caption::same("Error 1306 : 現在のパスワードが一致しません。"))                              \
    TEXT(dataEmpty,                                                                                                     \
         Caption::same("Error 1307 : Dataが空です。\nインデックスファイルが異常です。"))                                \
    TEXT(hashEmpty, Caption::same("Error 1308 : Hash Error\nインデックスファイルが異常です。"))                         \
    TEXT(noSealFileNamed,                                                                                               \
         Caption::same("Warning 1309 : Vermilファイルの指定がありません。IndexFile が旧バージョン" \
                       "です。\nVermil管理ツールを用いて再登録してください。"))                                         \
    TEXT(indexHashWrong, Caption::same("Error 1309 : Hash Error"))                                                      \
    /* %1 the seal file's path */                                                                                       \
    TEXT(sealFileUnreadable, Caption::same("Error 1310 : Vermilファイル %1 が開けません。"))                            \
    TEXT(selectionDataEmpty,                                                                                            \
         Caption::same(                                                                                                 \
             "Error 1311 : IndexHash error.\nThe format of Index File is old. Plese Update it."))                       \
    TEXT(selectionSealFileUnreadable, Caption::same("Error 1312 : can't open vrm file."))                               \
    TEXT(selectionNoSealFileNamed,                                                                                      \
         Caption::same("Error 1313 : The format of Index File is old. Plese Update it."))                               \
    TEXT(selectionIndexHashWrong, Caption::same("Error 1316 : IndexHash error."))                                       \
    TEXT(indexNotWritten,                                                                                               \
         Caption::same("Error 1317 : インデックスファイルへの書き込みに失敗しました。"))                                \
    TEXT(changed, Caption::same("パスワードが変更されました。"))

struct PasswordChangeTexts {
    VERMIL_TEXTS_MEMBERS(PasswordChangeTexts, VERMIL_PASSWORD_CHANGE_TEXTS)
};

} // namespace vermil
