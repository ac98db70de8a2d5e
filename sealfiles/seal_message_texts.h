#pragma once

#include "common/texts_table.h"

namespace vermil {

// The messages of the seal files: a refused seal name or value, a seal that fails
// its verification, a seal that cannot be registered. The system has them in
// Japanese only, so each is the same in both sets.
#define VERMIL_SEAL_MESSAGE_TEXTS(TEXT, OPTIONAL_TEXT)                                                                 \
    /* a seal name: %1 the name as shown */                                                                            \
    TEXT(nameEmpty, Caption::same("日付印名が空です。"))                                                               \
    TEXT(nameIsFolderMark, Caption::same("日付印名 %1 はファイル名に使えません。"))                                    \
    /* %2 the character as controlCharacter or in quotes */                                                            \
    TEXT(nameForbiddenCharacter,                                                                                       \
         Caption::same("日付印名 %1 には使えない文字 %2 が含まれています。"))                                          \
    /* %1 the character's code, two hexadecimal digits */                                                              \
    TEXT(controlCharacter, Caption::same("制御文字 \\x%1"))                                                            \
    TEXT(nameIsDevice,                                                                                                 \
         Caption::same("日付印名 %1 はWindowsのデバイス名のためファイル名に使えません。"))                             \
    TEXT(nameBlankEnds, Caption::same("日付印名 %1 の先頭または末尾に空白があります。"))                               \
    /* %2 the limit in bytes, %3 the name's bytes */                                                                   \
    TEXT(nameTooLong, Caption::same("日付印名 %1 は%2バイトを越えています（%3バイト）。"))                             \
    TEXT(nameNotCp932,                                                                                                 \
         Caption::same("日付印名 %1 にShift-JIS(CP932)の文字でないバイトがあります。"))                                \
    /* %1 the name, %2 the registered name */                                                                          \
    TEXT(nameDiffersOnlyInCase,                                                                                        \
         Caption::same(                                                                                                \
             "日付印名 %1 は登録済みの日付印名 %2 と英字の大文字・小文字だけが違います。"))                            \
    /* a seal's values: %1 the field, %2 the value, %3 the tag */                                                      \
    TEXT(valueHasTag, Caption::same("%1 \"%2\" にVermilファイルのタグ \"%3\" が含まれています。"))                     \
    /* %1 the field */                                                                                                 \
    TEXT(valueHasBreak, Caption::same("%1 に改行またはNUL文字が含まれています。"))                                     \
    /* %1 the axis, %2 the value, %3 and %4 the bounds */                                                              \
    TEXT(sizeOutOfRange,                                                                                               \
         Caption::same("%1 \"%2\" は%3から%4までの整数(mm)でなければなりません。"))                                    \
    /* %1 the profile */                                                                                               \
    TEXT(profileHasFolder,                                                                                             \
         Caption::same("Profile \"%1\" はフォルダーを含まないファイル名でなければなりません" \
                       "（プロファイルは日付印フォルダーから読み込まれます）。"))                                      \
    /* %1 the seal file's bytes, %2 the limit */                                                                       \
    TEXT(sealTextTooLarge,                                                                                             \
         Caption::same("Vermilファイルの内容が%1バイトになり、上限の%2バイトを越えます。"))                            \
    /* registering: %1 the name, %2 what is wrong with one of its values */                                            \
    TEXT(valueRefused, Caption::same("日付印名 %1: %2"))                                                               \
    TEXT(capacityExceeded,                                                                                             \
         Caption::same("Error 320: 最大登録数100を越えます。処理を中止します。"))                                      \
    /* %1 the name */                                                                                                  \
    TEXT(nameTaken,                                                                                                    \
         Caption::same("Warning 308: 日付印名 %1 は登録済みです。日付印名を変えてください。"))                         \
    /* %1 the layout profile */                                                                                        \
    TEXT(profileUnreadable, Caption::same("Warning 425 : can't open the profile %1 ."))                                \
    /* verification */                                                                                                 \
    TEXT(dataEmpty, Caption::same("Error 431 : Dataが空です。\nインデックスファイルが異常です。"))                     \
    TEXT(noSealFileNamed,                                                                                              \
         Caption::same("Warning 429 : Vermilファイルの指定がありません。IndexFile "                      \
                       "が旧バージョンです。\nVermil管理ツールを用いて再登録してください。"))                          \
    /* %1 the seal file */                                                                                             \
    TEXT(sealFileUnreadable, Caption::same("Error 430 : Vermilファイル %1 が開けません。"))                            \
    TEXT(passwordCodeLength,                                                                                           \
         Caption::same("Error 435 : Indexファイルからの押印パスワード読み込みに失敗しました。"))                       \
    TEXT(indexHashMismatch,                                                                                            \
         Caption::same("Error 428: Vermil Hash Error.\nインデックスファイルが旧バージョン"            \
                       "か、あるいは改ざんされている可能性があります。"))                                              \
    /* %1 the seal */                                                                                                  \
    TEXT(noVermilElement, Caption::same("Warning 426: インデックス %1 が旧バージョンです。"))                          \
    TEXT(sealHashMismatch, Caption::same("Error   424: Vermil Data Hash Error"))

struct SealMessageTexts {
    VERMIL_TEXTS_MEMBERS(SealMessageTexts, VERMIL_SEAL_MESSAGE_TEXTS)
};

// The seal files' messages: one form, the same in both sets.
inline const SealMessageTexts& sealMessageTexts() {
    return SealMessageTexts::of(Language::Japanese);
}

} // namespace vermil
