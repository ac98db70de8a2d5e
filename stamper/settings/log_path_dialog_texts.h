#pragma once

#include "common/texts_table.h"

namespace vermil {

// The captions of the log path dialog, CFileNameDialog: the system has them in one
// form (English), the same in both languages; the chooser's title and the message
// the system does not have follow the language.
#define VERMIL_LOG_PATH_DIALOG_TEXTS(TEXT, OPTIONAL_TEXT)                                          \
    TEXT(windowTitle, Caption::same("Log FilePath Setting"))                                       \
    TEXT(pathGroup, Caption::same("Log FilePath"))                                                 \
    TEXT(browse, Caption::same("&Ref"))                                                            \
    TEXT(outputLog, Caption::same("&Output Log"))                                                  \
    TEXT(formatGroup, Caption::same("Log Format(CSV)"))                                            \
    TEXT(pipe, Caption::same("&Pipe( | )"))                                                        \
    TEXT(comma, Caption::same("&Comma( , )"))                                                      \
    TEXT(ok, Caption::same("OK"))                                                                  \
    TEXT(cancel, Caption::same("Cancel"))                                                          \
    TEXT(chooserTitle, {.japanese = "承認ログファイル名設定", .english = "Log FilePath Setting"})  \
    TEXT(fileFilter, Caption::same("Text File(*.txt);;Log File(*.log)"))                           \
    /* %1 the path typed */                                                                        \
    TEXT(pathNotCp932, {.japanese = "パス %1 には Shift-JIS で表せない文字があります。",           \
                        .english = "The path %1 holds a character that has no Shift-JIS form."})

struct LogPathDialogTexts {
    VERMIL_TEXTS_MEMBERS(LogPathDialogTexts, VERMIL_LOG_PATH_DIALOG_TEXTS)
};

} // namespace vermil
