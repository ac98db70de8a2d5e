#pragma once

#include "common/texts_table.h"

namespace vermil {

// The captions of the CSV import dialog. The system's have one form only; what
// the dialog adds for long files follows the language.
#define VERMIL_IMPORT_DIALOG_TEXTS(TEXT, OPTIONAL_TEXT)                                                       \
    TEXT(windowTitle, Caption::same("Import"))                                                                \
    TEXT(fileGroup, Caption::same("Import File"))                                                             \
    TEXT(browse, Caption::same("Ref"))                                                                        \
    TEXT(formatHint, Caption::same(" CSV形式のファイルを設定してください。"))                                 \
    TEXT(limitHint, Caption::same("1つのインデックスファイルへの最大登録数は100です。" \
                                  "100を越える場合はインデックスファイルを分けてください。"))                 \
    TEXT(run, Caption::same("実行(Run)"))                                                                     \
    TEXT(close, Caption::same("閉じる(Close)"))                                                               \
    TEXT(cancel, {.japanese = "中止", .english = "Cancel"})                                                   \
    /* %1 rows written, %2 rows of the file */                                                                \
    TEXT(progress,                                                                                            \
         {.japanese = "%1 / %2 件を登録しました", .english = "%1 of %2 seals registered"})                    \
    /* the CSV file chooser */                                                                                \
    TEXT(chooserFilter, Caption::same("CsvFile(*.csv);;全て(*.*)"))

struct ImportDialogTexts {
    VERMIL_TEXTS_MEMBERS(ImportDialogTexts, VERMIL_IMPORT_DIALOG_TEXTS)
};

} // namespace vermil
