#pragma once

#include "common/suite_version_numbers.h"
#include "common/texts_table.h"

#include <string_view>

namespace vermil {

// The captions of the manager's main dialog. They follow the language; the title
// and the menu entry of the version box have one form only.
#define VERMIL_MANAGER_DIALOG_TEXTS(TEXT, OPTIONAL_TEXT)                                           \
    TEXT(windowTitle, Caption::same("Vermil Manager Ver" VERMIL_VERSION_SPACED))                   \
    /* the label of the seal texts */                                                              \
    TEXT(sealTexts, {.japanese = "Vermil名", .english = "Vermil Name"})                            \
    TEXT(sizeGroup, {.japanese = "サイズ(mm)", .english = "Size(mm)"})                             \
    TEXT(sizeX, {.japanese = "横", .english = "H"})                                                \
    TEXT(sizeY, {.japanese = "縦", .english = "V"})                                                \
    TEXT(profileGroup, {.japanese = "プロファイル", .english = "Profile"})                         \
    TEXT(indexPathGroup, {.japanese = "インデックスファイルパス", .english = "Index File Path"})   \
    TEXT(add, {.japanese = "追加", .english = "Add"})                                              \
    TEXT(remove, {.japanese = "削除", .english = "Delete"})                                        \
    TEXT(edit, {.japanese = "編集", .english = "Edit"})                                            \
    TEXT(import, {.japanese = "インポート", .english = "Import"})                                  \
    TEXT(setting, {.japanese = "設定", .english = "Setting"})                                      \
    TEXT(versionInfo, {.japanese = "バージョン情報", .english = "Version Info"})                   \
    TEXT(close, {.japanese = "閉じる", .english = "Close"})                                        \
    TEXT(chooseIndex, {.japanese = "参照", .english = "Ref"})                                      \
    /* the window menu's entry for the version box */                                              \
    TEXT(versionMenuEntry, Caption::same("vrmgr のﾊﾞｰｼﾞｮﾝ情報(&A)..."))                            \
    /* names the seal picture for screen readers */                                                \
    TEXT(pictureCaption, {.japanese = "日付印の見本", .english = "Seal preview"})

struct ManagerDialogTexts {
    VERMIL_TEXTS_MEMBERS(ManagerDialogTexts, VERMIL_MANAGER_DIALOG_TEXTS)
};

// The version box: one form only.
#define VERMIL_VERSION_BOX_TEXTS(TEXT, OPTIONAL_TEXT)                                              \
    TEXT(windowTitle, Caption::same("Version Information"))                                        \
    TEXT(programTitle, Caption::same("日付印Vermil管理ツール Vermil Manager"))                     \
    TEXT(versionLine, Caption::same("Vrmgr  Ver " VERMIL_VERSION_SPACED " Rel.0"))                 \
    TEXT(releaseLine, Caption::same("Releace Date :  2012-03-21"))                                 \
    TEXT(close, Caption::same("Close"))

struct VersionBoxTexts {
    VERMIL_TEXTS_MEMBERS(VersionBoxTexts, VERMIL_VERSION_BOX_TEXTS)
};

// The manager's messages, Japanese whatever the language, the index file chooser
// and the texts of the small seal that is the program's icon (ASCII): one form only.
#define VERMIL_MANAGER_MESSAGES(TEXT, OPTIONAL_TEXT)                                                             \
    /* WARNING 345 and its question: %1 the index path */                                                        \
    TEXT(indexMissing, Caption::same("WARNING 345: インデックスファイル %1 が存在しません。\n" \
                                     "インデックスファイル設定を行いますか？"))                                  \
    TEXT(legacyEntry,                                                                                            \
         Caption::same(                                                                                          \
             "Warning 340 : Vermilファイルの指定がありません。IndexFile が旧バージョンです。"))                  \
    /* Warning 341: %1 the seal file path */                                                                     \
    TEXT(sealFileUnreadable, Caption::same("Warning 341 : Vermilファイル %1 が開けません。"))                    \
    TEXT(noSealToEdit, Caption::same("日付印が選択されていません。"))                                            \
    TEXT(noSealToDelete, Caption::same("削除する日付印名が選択されていません。"))                                \
    TEXT(confirmDelete, Caption::same("本当に削除してよろしいですか？"))                                         \
    TEXT(deleteFailed,                                                                                           \
         Caption::same("Error 329: インデックスファイルへの書き込みに失敗しました。\n"   \
                       "インデックスファイルのアクセス権限を確認してください。"))                                \
    /* What is at the index path is no seal index (a folder, a device, a pipe, a file */                         \
    /* too large): %1 the path, %2 the system's reason. */                                                       \
    TEXT(indexUnusable, Caption::same("インデックスファイル %1 は読めないため使えません。\n%2"))                 \
    /* The chosen index path %1 has a character without a Shift-JIS form. */                                     \
    TEXT(indexPathNotStorable,                                                                                   \
         Caption::same(                                                                                          \
             "インデックスファイル %1 のパスには Shift-JIS (CP932) で表せない文字があります。"))                 \
    /* The selected seal's profile %1 (its path) cannot be read. */                                              \
    TEXT(profileMissing,                                                                                         \
         {.japanese =                                                                                            \
              "プロファイル %1 がありません。この日付印は組み込みのレイアウトで押印されます。",                  \
          .english = "The profile %1 is missing. This seal is stamped with the built-in layout."})               \
    /* The command line names a seal %1 that is not listed. */                                                   \
    TEXT(notRegistered, Caption::same("日付印名 %1 は登録されていません。"))                                     \
    TEXT(indexChooserTitle, Caption::same("Vermil Index File"))                                                  \
    TEXT(indexChooserFilter, Caption::same("index File(*.dat);;全てのファイル(*.*)"))                            \
    TEXT(iconUpperText, Caption::same("VRM"))                                                                    \
    TEXT(iconDateText, Caption::same(VERMIL_VERSION))                                                            \
    TEXT(iconLowerText, Caption::same("MGR"))

struct ManagerMessages {
    VERMIL_TEXTS_MEMBERS(ManagerMessages, VERMIL_MANAGER_MESSAGES)
};

// The manager's messages, the same whatever the language.
inline const ManagerMessages& managerMessages() {
    return ManagerMessages::of(Language::Japanese);
}

namespace managerdialogtexts {

// The messages that name a file or a seal, CP932 names converted for the screen.
QString indexMissing(std::string_view indexPath);
QString sealFileUnreadable(std::string_view sealFilePath);
QString indexUnusable(std::string_view indexPath, const QString& reason);
QString notRegistered(std::string_view name);
QString profileMissing(std::string_view profilePath);

} // namespace managerdialogtexts

} // namespace vermil
