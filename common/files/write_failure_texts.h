#pragma once

#include "common/texts_table.h"

namespace vermil {

// The cause line a failed write adds below the system's own message.
#define VERMIL_WRITE_FAILURE_TEXTS(TEXT, OPTIONAL_TEXT)                                            \
    TEXT(diskFull,                                                                                 \
         {.japanese = "ディスクの空き容量が不足しています。", .english = "The disk is full."})     \
    TEXT(directory, {.japanese = "フォルダーであり、ファイルではありません。",                     \
                     .english = "It is a folder, not a file."})                                    \
    TEXT(fifo, {.japanese = "FIFO（名前付きパイプ）であり、通常のファイルではありません。",        \
                .english = "It is a FIFO, not a regular file."})                                   \
    TEXT(device, {.japanese = "デバイスであり、通常のファイルではありません。",                    \
                  .english = "It is a device, not a regular file."})                               \
    TEXT(otherKind,                                                                                \
         {.japanese = "通常のファイルではありません。", .english = "It is not a regular file."})

struct WriteFailureTexts {
    VERMIL_TEXTS_MEMBERS(WriteFailureTexts, VERMIL_WRITE_FAILURE_TEXTS)
};

} // namespace vermil
