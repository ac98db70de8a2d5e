#pragma once

#include "common/texts_table.h"

namespace vermil {

// The captions and messages of the log checker's dialog and of trailscan --check.
// The system's own captions and messages exist in one form only; what the dialog
// adds has both languages. The summary above the list reads "NG 3 of 1,204,113
// lines — first at line 17 (104,857,600 bytes checked)"; its %1.. are numbers
// with digit groups.
#define VERMIL_CHECKER_DIALOG_TEXTS(TEXT, OPTIONAL_TEXT)                                                                            \
    TEXT(windowTitle, Caption::same("trailscan"))                                                                                   \
    TEXT(pathGroup, Caption::same("ログファイルパス"))                                                                              \
    TEXT(browse, Caption::same("Ref"))                                                                                              \
    TEXT(total, Caption::same("Total"))                                                                                             \
    TEXT(ok, Caption::same("OK"))                                                                                                   \
    TEXT(ng, Caption::same("NG"))                                                                                                   \
    TEXT(check, Caption::same("Check"))                                                                                             \
    TEXT(close, Caption::same("Close"))                                                                                             \
    TEXT(cancel, Caption::same("Cancel"))                                                                                           \
    TEXT(checkCancelled, {.japanese = "チェックを中止しました。", .english = "Check cancelled."})                                   \
    TEXT(chooserTitle, {.japanese = "ログファイルを開く", .english = "Open Log File"})                                              \
    /* the switch that shows the NG lines only */                                                                                   \
    TEXT(ngOnly, {.japanese = "NG のみ(&N)", .english = "&NG only"})                                                                \
    TEXT(lineCount, {.japanese = "%1 行", .english = "%1 lines"})                                                                   \
    TEXT(oneLine, {.japanese = "1 行", .english = "1 line"})                                                                        \
    /* %1 NG lines, %2 a lineCount, %3 the first NG line */                                                                         \
    TEXT(summaryNg, {.japanese = "%2中 NG %1 行 — 最初は %3 行目",                                                                  \
                     .english = "NG %1 of %2 — first at line %3"})                                                                  \
    /* %1 a lineCount */                                                                                                            \
    TEXT(summaryNoNg, {.japanese = "%1中 NG なし", .english = "No NG in %1"})                                                       \
    TEXT(summaryEmpty, {.japanese = "ログに行がありません", .english = "The log has no lines"})                                     \
    /* %1 one of the above, %2 the bytes checked */                                                                                 \
    TEXT(summaryBytes,                                                                                                              \
         {.japanese = "%1（%2 バイトをチェック）", .english = "%1 (%2 bytes checked)"})                                             \
    /* the second line under cannotOpen; %1 is the path */                                                                          \
    TEXT(notRegularFile,                                                                                                            \
         {.japanese = "「%1」は通常のファイルではありません（フォルダ、デバイス、パイプなど）。" \
                      "ログファイルを指定してください。",                                                                           \
          .english = "“%1” is not a regular file (it is a folder, a device or a pipe); choose a "                               \
                     "log file."})                                                                                                  \
    /* the command line */                                                                                                          \
    TEXT(outOfMemory, {.japanese = "Error: メモリが不足しているため、ログをチェックできません。",                                   \
                       .english = "Error: not enough memory to check the log."})                                                    \
    TEXT(windowOutOfMemory,                                                                                                         \
         {.japanese = "Error: メモリが不足しているため、ログ全体を表示できません。"                       \
                      "チェックできた行までを表示しています。\n"                                                 \
                      "trailscan --check でコマンドラインからチェックすると、"                                    \
                      "どの大きさのログでもチェックできます。",                                                                     \
          .english = "Error: not enough memory to show the whole log. The lines checked so "                                        \
                     "far are shown.\ntrailscan --check checks a log of any size on the "                                           \
                     "command line."})                                                                                              \
    TEXT(emptyPath,                                                                                                                 \
         Caption::same("ログファイル名(log)が設定されていません\n設定してください。\n"))                                            \
    TEXT(cannotOpen,                                                                                                                \
         Caption::same("Error: ファイルエラー:LOGファイルが開けない可能性があります。"))                                            \
    TEXT(reportNotWritten, Caption::same("Error: the report could not be written."))                                                \
    /* the chooser's filters */                                                                                                     \
    TEXT(fileFilter, Caption::same("LogFile(*.log);;TextFile(*.txt);;全て(*.*)"))

struct CheckerDialogTexts {
    VERMIL_TEXTS_MEMBERS(CheckerDialogTexts, VERMIL_CHECKER_DIALOG_TEXTS)
};

namespace checkerdialogtexts {

// A number as the summary shows it: 1,204,113.
QString groupedNumber(unsigned long long number);

} // namespace checkerdialogtexts

} // namespace vermil
