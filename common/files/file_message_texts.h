#pragma once

#include "common/texts_table.h"

namespace vermil {

// What the shared file and folder code tells a person: why a file is not one to read
// or replace (English only, the same in both sets: it follows a verb's message, as the
// system's own reasons do) and the hanko folder's messages, which the
// system has in Japanese only.
#define VERMIL_FILE_MESSAGE_TEXTS(TEXT, OPTIONAL_TEXT)                                                            \
    TEXT(directory, Caption::same("a directory, not a regular file"))                                             \
    TEXT(fifo, Caption::same("a FIFO, not a regular file"))                                                       \
    TEXT(device, Caption::same("a device, not a regular file"))                                                   \
    TEXT(socket, Caption::same("a socket, not a regular file"))                                                   \
    TEXT(otherKind, Caption::same("not a regular file"))                                                          \
    TEXT(tooLarge, Caption::same("larger than the limit for this file"))                                          \
    TEXT(unknownProblem, Caption::same("unknown problem"))                                                        \
    TEXT(noDocumentsFolder,                                                                                       \
         Caption::same("Error 1321 : Document Folder Path の取得に失敗しました。"))                               \
    /* %1 the index path */                                                                                       \
    TEXT(indexMissing, Caption::same("WARNING 1320: インデックスファイル %1 が存在しません。\n" \
                                     "インデックスファイル設定ダイアローグを開きますか？"))

struct FileMessageTexts {
    VERMIL_TEXTS_MEMBERS(FileMessageTexts, VERMIL_FILE_MESSAGE_TEXTS)
};

// The same rows as constants, for an error category's messages (UTF-8 bytes).
struct FileMessageCaptions {
    VERMIL_TEXTS_CAPTIONS(VERMIL_FILE_MESSAGE_TEXTS)
};

} // namespace vermil
