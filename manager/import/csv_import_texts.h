#pragma once

#include "common/texts_table.h"

namespace vermil {

// Every message of the CSV import. The import speaks Japanese, whatever the
// language setting: the system's messages keep their exact texts (spacing of the
// codes included) and are the same in both sets; the rest name the file, the line
// and the problem in the same style, and the newer ones have an English form
// beside the Japanese one that is shown. "%1"-style places are filled with
// QString::arg in the order given.
#define VERMIL_CSV_IMPORT_TEXTS(TEXT, OPTIONAL_TEXT)                                                               \
    /* no path given */                                                                                            \
    TEXT(noCsvFile,                                                                                                \
         Caption::same("入力ファイル名(CSV)が設定されていません\n設定してください。\n"))                           \
    TEXT(consecutiveSeparators,                                                                                    \
         Caption::same("Error356: CSVファイルに連続した区切り文字(カンマ)があります。\n"    \
                       "d区切り文字の間にスペースを入れてください。"))                                             \
    TEXT(unreadableFirstPass,                                                                                      \
         Caption::same("Error352: ファイルエラー:CSVファイルが開けない可能性があります。"))                        \
    TEXT(unreadableSecondPass,                                                                                     \
         Caption::same("ファイルエラー:CSVファイルが開けない可能性があります。"))                                  \
    TEXT(tooManySeals,                                                                                             \
         Caption::same(                                                                                            \
             "Error351: 最大登録数100を越える可能性があります。読み込み処理を中止します。"))                       \
    /* %1 name */                                                                                                  \
    TEXT(duplicateName,                                                                                            \
         Caption::same("Error353: 日付印名  %1  が重複しました。処理を中止します。"))                              \
    /* %1 seal file path */                                                                                        \
    TEXT(sealFileFailed,                                                                                           \
         Caption::same("Error357: Vermilファイル %1 への書き込みに失敗しました。\n"              \
                       "Vermilデータフォルダー(vrdata)のアクセス権限を確認してください。"))                        \
    /* %1 index path */                                                                                            \
    TEXT(indexFailed,                                                                                              \
         Caption::same("Error 359: インデックスファイル %1 への書き込みに失敗しました。\n" \
                       "インデックスファイルのアクセス権限を確認してください。"))                                  \
    /* %1 rows imported */                                                                                         \
    TEXT(completed, Caption::same("インポート処理が完了しました。\n登録数：%1"))                                   \
    /* The messages of this program. %1 rows imported */                                                           \
    TEXT(cancelled, Caption::same("インポート処理を中止しました。\n登録数：%1"))                                   \
    /* on a line of its own after a message that stopped the import part way: %1 rows imported */                  \
    TEXT(importedBeforeStop, {.japanese = "登録数：%1", .english = "Seals registered: %1"})                        \
    /* %1 CSV path, %2 line number */                                                                              \
    TEXT(atLine, Caption::same("CSVファイル %1 の%2行目"))                                                         \
    /* ends every refusal of a row */                                                                              \
    TEXT(readStopped, Caption::same("読み込み処理を中止します。"))                                                 \
    /* %1 limit, %2 bytes of the line */                                                                           \
    TEXT(lineTooLong, Caption::same("が%1バイトを越えています（%2バイト）。"))                                     \
    /* %1 the field's place in the row, from 1; %2 the byte, two hexadecimal digits */                             \
    TEXT(controlCharacter, {.japanese = "%1番目の項目に制御文字 \\x%2 が含まれています。",                         \
                            .english = "Field %1 holds the control character \\x%2."})                             \
    /* %1 fields, %2 fewest, %3 most */                                                                            \
    TEXT(fieldCount, Caption::same("の項目数が%1です。%2から%3の項目が必要です。"))                                \
    /* %1 name, %2 line of the other row, %3 the other name */                                                     \
    TEXT(caseOnlyInFile,                                                                                           \
         Caption::same(                                                                                            \
             ": 日付印名 %1 は%2行目の日付印名 %3 と英字の大文字・小文字だけが違います。"))                        \
    /* %1 CSV path */                                                                                              \
    TEXT(notRegularFile, Caption::same("CSVファイル %1 は通常のファイルではありません。"))                         \
    /* %1 CSV path, %2 limit in bytes */                                                                           \
    TEXT(fileTooLarge, Caption::same("CSVファイル %1 は%2バイトを越えています。"))                                 \
    /* %1 CSV path, %2 the system's reason */                                                                      \
    TEXT(otherReadFailure, Caption::same("CSVファイル %1: %2"))                                                    \
    /* after the completion: %1 passwords stored in capitals */                                                    \
    TEXT(passwordsUpperCased,                                                                                      \
         Caption::same("パスワードの英小文字を大文字にして登録しました（%1件）。"       \
                       "パスワード欄では英字が大文字で入力されるためです。"))                                      \
    /* after the completion: %1 the rows, each a missingProfileRow, joined by listSeparator */                     \
    TEXT(missingProfiles,                                                                                          \
         {.japanese = "プロファイルが日付印フォルダーにない日付印を登録しました：%1",                              \
          .english = "Seals registered whose profile is not in the seal folder: %1"})                              \
    /* %1 line number, %2 name, %3 profile file name */                                                            \
    TEXT(missingProfileRow, {.japanese = "%1行目 %2 (%3)", .english = "line %1 %2 (%3)"})                          \
    TEXT(listSeparator, {.japanese = "、", .english = ", "})

struct CsvImportTexts {
    VERMIL_TEXTS_MEMBERS(CsvImportTexts, VERMIL_CSV_IMPORT_TEXTS)
};

// The import's texts, the same whatever the language.
inline const CsvImportTexts& csvImportTexts() {
    return CsvImportTexts::of(Language::Japanese);
}

} // namespace vermil
