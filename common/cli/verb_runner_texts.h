#pragma once

#include "common/texts_table.h"

namespace vermil {

// The runner's own texts, the same for the three programs: the usage errors and
// the frame of --help. English only, the same in both sets, as the command line
// speaks English. Each usage error follows the program's name ("vrmgr: ...").
#define VERMIL_VERB_RUNNER_TEXTS(TEXT, OPTIONAL_TEXT)                                              \
    /* %1 the program's verbs, %2 the second one given */                                          \
    TEXT(onlyOneVerb, Caption::same("only one of %1: %2"))                                         \
    /* %1 the option */                                                                            \
    TEXT(optionNeedsValue, Caption::same("%1 needs a value"))                                      \
    /* %1 the argument */                                                                          \
    TEXT(unknownArgument, Caption::same("unknown verb or option %1"))                              \
    TEXT(noVerbGiven, Caption::same("no verb given"))                                              \
    /* %1 the option, given without a verb */                                                      \
    TEXT(optionNeedsVerb, Caption::same("%1 goes with a verb"))                                    \
    /* %1 the verb, %2 the option */                                                               \
    TEXT(verbRefusesOption, Caption::same("%1 does not take %2"))                                  \
    /* %1 the verb, %2 its operands */                                                             \
    TEXT(verbTakesOperands, Caption::same("%1 takes %2"))                                          \
    TEXT(noArguments, Caption::same("no arguments"))                                               \
    /* %1 the first argument too many */                                                           \
    TEXT(tooManyArguments, Caption::same("too many arguments: %1"))                                \
    /* %1 the operands the program needs */                                                        \
    TEXT(needsOperands, Caption::same("needs %1"))                                                 \
    /* %1 the verb, %2 the option and its value name */                                            \
    TEXT(verbNeedsOption, Caption::same("%1 needs %2"))                                            \
    /* %1 the option, %2 and %3 the bounds, %4 the value given */                                  \
    TEXT(notAWholeNumber, Caption::same("%1 takes a whole number from %2 to %3, not %4"))          \
    TEXT(needsWindow, Caption::same("this needs the program's window"))                            \
    /* --help; the usage lines below the first are indented to the width of usageLead */           \
    TEXT(usageLead, Caption::same("Usage: "))                                                      \
    TEXT(verbsHeading, Caption::same("Verbs:"))                                                    \
    TEXT(optionsHeading, Caption::same("Options:"))                                                \
    /* %1 another spelling of the verb */                                                          \
    TEXT(alias, Caption::same("also %1"))                                                          \
    TEXT(helpSummary, Caption::same("print this text"))

struct VerbRunnerTexts {
    VERMIL_TEXTS_MEMBERS(VerbRunnerTexts, VERMIL_VERB_RUNNER_TEXTS)
};

// The same rows as constants, for the runner, which writes bytes and never needs a QString.
struct VerbRunnerCaptions {
    VERMIL_TEXTS_CAPTIONS(VERMIL_VERB_RUNNER_TEXTS)
};

} // namespace vermil
