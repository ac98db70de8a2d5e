#pragma once

#include "common/texts_table.h"

namespace vermil {

// The labels of the stamp information text, in its order. The blanks are part of
// each label: the version and computer lines have none after the colon.
#define VERMIL_STAMP_INFORMATION_LABEL_TEXTS(TEXT, OPTIONAL_TEXT)                                  \
    TEXT(documentNo, {.japanese = "文書番号 : ", .english = "Document No : "})                     \
    TEXT(date, {.japanese = "承認日 : ", .english = "Date : "})                                    \
    TEXT(name, {.japanese = "承認者 : ", .english = "Name : "})                                    \
    TEXT(section, {.japanese = "承認者の所属 : ", .english = "Section : "})                        \
    TEXT(comment, {.japanese = "コメント : ", .english = "Comment : "})                            \
    TEXT(version, {.japanese = "押印に使われたバージョン :", .english = "Stamp Version :"})        \
    TEXT(computerName, {.japanese = "押印に使われたコンピュータ :", .english = "ComputerName : "}) \
    TEXT(windowsUser, {.japanese = "押印時のWindows ユーザID : ", .english = "Windows UserID : "})

struct StampInformationLabelTexts {
    VERMIL_TEXTS_MEMBERS(StampInformationLabelTexts, VERMIL_STAMP_INFORMATION_LABEL_TEXTS)
};

} // namespace vermil
