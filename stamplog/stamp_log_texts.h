#pragma once

#include "common/texts_table.h"

namespace vermil {

// The stamp log writer's messages. The system has them in one form only, so each is
// the same in both sets.
#define VERMIL_STAMP_LOG_TEXTS(TEXT, OPTIONAL_TEXT)                                                                \
    TEXT(noLogPath, Caption::same("Warning 433 : ログファイル名が設定されていません"              \
                                  "ので、ログは出力しません。"))                                                   \
    TEXT(cannotOpenLog, Caption::same("Error434 : can't open logfile. ログを出力できません"              \
                                      "でした。\nログファイル出力先のフォルダが存在しない" \
                                      "可能性があります。"))

struct StampLogTexts {
    VERMIL_TEXTS_MEMBERS(StampLogTexts, VERMIL_STAMP_LOG_TEXTS)
};

} // namespace vermil
