#pragma once

#include "common/texts_table.h"

namespace vermil {

// What the stamping itself has to say after the stamp is made.
#define VERMIL_STAMP_TRANSACTION_TEXTS(TEXT, OPTIONAL_TEXT)                                                                   \
    /* %1 the files, one per line */                                                                                          \
    TEXT(notRemembered,                                                                                                       \
         {.japanese = "押印は完了しましたが、次回のための入力内容を保存できませんでした。\n" \
                      "書き込めなかったファイル:\n%1",                                                                        \
          .english = "The stamp was made, but what it used could not be remembered for the "                                  \
                     "next stamp.\nFiles that could not be written:\n%1"})

struct StampTransactionTexts {
    VERMIL_TEXTS_MEMBERS(StampTransactionTexts, VERMIL_STAMP_TRANSACTION_TEXTS)
};

} // namespace vermil
