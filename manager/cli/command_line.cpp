#include "manager/cli/verbs.h"

namespace vermil {
namespace {

using cli::Option;
using cli::Verb;

constexpr Option indexOption[] = {
    {"--index", "PATH",
     "the seal index to use for this run (default: MAIN/VermilDataFile of\n"
     "hanko.ini in the hanko folder, else vrdata/index.dat there)"},
};

constexpr Verb verbs[] = {
    {"",
     "",
     "open the manager window on the seal index the settings name",
     nullptr,
     {},
     cli::VerbApplication::Widgets},
    {"--import", "CSVFILE", "register one seal per row of a CSV file (Shift-JIS text)", importVerb,
     indexOption},
    {"--list", "", "print the registered seals in list order", listVerb, indexOption},
    {"--verify", "",
     "check every listed seal against its index entry and seal file: one line\n"
     "per seal, NAME: OK or NAME: NG and the reason",
     verifyVerb, indexOption},
    {"--show", "NAME",
     "print what the manager window shows of one seal, one field a line:\n"
     "Name, Up2, Up1, Down, DateFormat, SizeX, SizeY, Profile (NAME in UTF-8)",
     showVerb, indexOption},
    {"--delete", "NAME",
     "take a seal off the list, as Delete in the manager window does (without\n"
     "its question); its seal file stays",
     deleteVerb, indexOption},
};

constexpr cli::VerbTable table{
    "vrmgr",
    verbs,
    {},
    "Exit status: 0 done, 1 the import stopped, a seal is NG or NAME is not\n"
    "registered, 2 usage or file error.\n"};

} // namespace

const cli::VerbTable& vrmgrVerbs() {
    return table;
}

} // namespace vermil
