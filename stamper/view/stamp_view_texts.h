#pragma once

#include "common/texts_table.h"

namespace vermil {

// Messages of the view's commands and of the embedding, which the system does not
// have (it had no files of its own): each language has its own.
#define VERMIL_STAMP_VIEW_TEXTS(TEXT, OPTIONAL_TEXT)                                               \
    /* %1 the reason */                                                                            \
    TEXT(cannotWriteObject, {.japanese = "押印オブジェクトを保存できませんでした。\n%1",           \
                             .english = "The stamp object could not be saved.\n%1"})               \
    /* %1 the reason; a stamp's object could not be written */                                     \
    TEXT(                                                                                          \
        objectNotStamped,                                                                          \
        {.japanese =                                                                               \
             "押印オブジェクトを保存できなかったため、押印もログへの記録もされていません。\n%1",   \
         .english = "The stamp object could not be saved, so nothing was stamped or logged.\n%1"}) \
    /* %1 the stamp object's file */                                                               \
    TEXT(closeWithoutSaving, {.japanese = "最後の押印は %1 に保存されていません。閉じますか？",    \
                              .english = "The last stamp is not in %1. Close all the same?"})      \
    /* %1 the reason */                                                                            \
    TEXT(cannotOpenObject, {.japanese = "押印オブジェクトを開けません。\n%1",                      \
                            .english = "The stamp object cannot be opened.\n%1"})                  \
    TEXT(saveCopyTitle, {.japanese = "コピーに名前を付けて保存", .english = "Save Copy As"})       \
    TEXT(objectFilter, Caption::same("Vermil Document (*.vrs)"))

struct StampViewTexts {
    VERMIL_TEXTS_MEMBERS(StampViewTexts, VERMIL_STAMP_VIEW_TEXTS)
};

} // namespace vermil
