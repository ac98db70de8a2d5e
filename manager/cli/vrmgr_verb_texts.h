#pragma once

#include "common/texts_table.h"

namespace vermil {

// The texts of vrmgr's verbs: English only, the same in both sets, as the command
// line speaks English. --show names each line in the order the dialog shows the
// fields.
#define VERMIL_VRMGR_VERB_TEXTS(TEXT, OPTIONAL_TEXT)                                               \
    /* %1 the index, %2 the system's reason */                                                     \
    TEXT(indexUnusable, Caption::same("the seal index %1 cannot be used: %2"))                     \
    /* --list and --verify without an index file: %1 the index */                                  \
    TEXT(noIndexNoSeals,                                                                           \
         Caption::same("the seal index %1 does not exist: no seals are registered"))               \
    /* --verify, a seal whose profile cannot be read: %1 the profile's path */                     \
    TEXT(profileMissing, Caption::same("the layout profile %1 is missing: the seal would be "      \
                                       "stamped with the built-in layout"))                        \
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

// What vrmgr's --help says of its verbs and options (the option and value names
// themselves are syntax and stay in the verb table). English only; the verb table is
// built from the constants at compile time.
#define VERMIL_VRMGR_HELP_TEXTS(TEXT, OPTIONAL_TEXT)                                               \
    TEXT(indexOption,                                                                              \
         Caption::same("the seal index to use for this run (default: MAIN/VermilDataFile of\n"     \
                       "hanko.ini in the hanko folder, else vrdata/index.dat there)"))             \
    TEXT(windowVerb, Caption::same("open the manager window on the seal index the settings name")) \
    TEXT(importVerb, Caption::same("register one seal per row of a CSV file (Shift-JIS text)"))    \
    TEXT(listVerb, Caption::same("print the registered seals in list order"))                      \
    TEXT(verifyVerb,                                                                               \
         Caption::same("check every listed seal against its index entry and seal file: one line\n" \
                       "per seal, NAME: OK or NAME: NG and the reason"))                           \
    TEXT(showVerb,                                                                                 \
         Caption::same("print what the manager window shows of one seal, one field a line:\n"      \
                       "Name, Up2, Up1, Down, DateFormat, SizeX, SizeY, Profile (NAME in UTF-8)")) \
    TEXT(deleteVerb,                                                                               \
         Caption::same("take a seal off the list, as Delete in the manager window does (without\n" \
                       "its question); its seal file stays"))                                      \
    TEXT(exitStatus,                                                                               \
         Caption::same("Exit status: 0 done, 1 the import stopped, a seal is NG or NAME is not\n"  \
                       "registered, 2 usage or file error.\n"))

struct VrmgrHelpTexts {
    VERMIL_TEXTS_MEMBERS(VrmgrHelpTexts, VERMIL_VRMGR_HELP_TEXTS)
};

struct VrmgrHelpCaptions {
    VERMIL_TEXTS_CAPTIONS(VERMIL_VRMGR_HELP_TEXTS)
};

// The verbs' texts: the command line speaks English only.
inline const VrmgrVerbTexts& vrmgrVerbTexts() {
    return VrmgrVerbTexts::of(Language::English);
}

} // namespace vermil
