#pragma once

#include "common/texts_table.h"

namespace vermil {

// The texts of vrmgr's verbs: English only, the same in both sets, as the command
// line speaks English. --show names each line in the order the dialog shows the
// fields.
#define VERMIL_VRMGR_VERB_TEXTS(TEXT, OPTIONAL_TEXT)                                               \
    /* %1 the index, %2 the system's reason */                                                     \
    TEXT(indexUnusable, Caption::same("the seal index %1 cannot be used: %2"))                     \
    /* %1 the path as given */                                                                     \
    TEXT(indexPathNotCp932,                                                                        \
         Caption::same("the index path %1 has characters without a Shift-JIS (CP932) form"))       \
    /* %1 the name as typed */                                                                     \
    TEXT(sealNameNotCp932,                                                                         \
         Caption::same("the seal name %1 has characters without a Shift-JIS (CP932) form"))        \
    TEXT(nameLabel, Caption::same("Name"))                                                         \
    TEXT(up2Label, Caption::same("Up2"))                                                           \
    TEXT(up1Label, Caption::same("Up1"))                                                           \
    TEXT(downLabel, Caption::same("Down"))                                                         \
    TEXT(dateFormatLabel, Caption::same("DateFormat"))                                             \
    TEXT(sizeXLabel, Caption::same("SizeX"))                                                       \
    TEXT(sizeYLabel, Caption::same("SizeY"))                                                       \
    TEXT(profileLabel, Caption::same("Profile"))

struct VrmgrVerbTexts {
    VERMIL_TEXTS_MEMBERS(VrmgrVerbTexts, VERMIL_VRMGR_VERB_TEXTS)
};

// The verbs' texts: the command line speaks English only.
inline const VrmgrVerbTexts& vrmgrVerbTexts() {
    return VrmgrVerbTexts::of(Language::English);
}

} // namespace vermil
