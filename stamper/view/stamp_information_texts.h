#pragma once

#include "common/texts_table.h"

namespace vermil {

// The captions of the stamp information dialog: one form only.
#define VERMIL_STAMP_INFORMATION_TEXTS(TEXT, OPTIONAL_TEXT)                                        \
    TEXT(windowTitle, Caption::same("Stamp Information"))                                          \
    TEXT(close, Caption::same("Close"))

struct StampInformationTexts {
    VERMIL_TEXTS_MEMBERS(StampInformationTexts, VERMIL_STAMP_INFORMATION_TEXTS)
};

} // namespace vermil
