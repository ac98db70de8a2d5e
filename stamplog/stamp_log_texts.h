#pragma once

#include "common/texts_table.h"

namespace vermil {

// The stamp log's messages, in the one form the system has them.
#define VERMIL_STAMP_LOG_TEXTS(TEXT, OPTIONAL_TEXT)                                                            \
    TEXT(noLogPath, Caption::same("Warning 433 : ログファイル名が設定されていませんので、" \
                                  "ログは出力しません。"))                                                     \
    TEXT(cannotOpenLog,                                                                                        \
         Caption::same("Error434 : can't open logfile. ログを出力できませんでした。"))                         \
    /* the system's guess at the cause, kept where the folder is really missing */                             \
    TEXT(folderMayBeMissing,                                                                                   \
         Caption::same("ログファイル出力先のフォルダが存在しない可能性があります。"))

struct StampLogTexts {
    VERMIL_TEXTS_MEMBERS(StampLogTexts, VERMIL_STAMP_LOG_TEXTS)
};

} // namespace vermil
