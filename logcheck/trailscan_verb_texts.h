#pragma once

#include "common/texts_table.h"

namespace vermil {

// trailscan's command-line texts: its --help and its usage errors (the option and
// value names themselves are syntax and stay in the verb table). English only, as
// the command line speaks English; the verb table is built from the constants at
// compile time. The report's own words (the verdicts, the Total line) are its
// fixed syntax and live with the report.
#define VERMIL_TRAILSCAN_VERB_TEXTS(TEXT, OPTIONAL_TEXT)                                           \
    /* %1 the format asked for */                                                                  \
    TEXT(badFormat, Caption::same("--format takes text or json, not %1"))                          \
    TEXT(ngOnlyOption,                                                                             \
         Caption::same(                                                                            \
             "only the NG lines, each after its line number (\"17: \"), then the totals"))         \
    TEXT(formatOption,                                                                             \
         Caption::same("json: one JSON object per log line (line, text in UTF-8, fields,\n"        \
                       "stored_code, computed_code, verdict; a byte that is no Shift-JIS "         \
                       "character\nshows as \\xNN and the line's bytes in hex as text_hex), then " \
                       "one summary\nobject (total, ok, ng, path, bytes)"))                        \
    TEXT(windowVerb, Caption::same("open the checker window, with this log when one is given"))    \
    TEXT(checkVerb,                                                                                \
         Caption::same(                                                                            \
             "check without a window: each line as read, then two blanks, the computed\n"          \
             "code, two blanks and OK or NG, each verdict on a line of its own; last the\n"        \
             "line \"Total: N  OK: n  NG: m  Bytes: b\" (UTF-8 on stdout). The log is\n"           \
             "checked as it was when the check began: b bytes, its size then. Only a\n"            \
             "regular file is read, never a device or a pipe"))                                    \
    TEXT(about,                                                                                    \
         Caption::same(                                                                            \
             "Checks a stamp log line by line: each line's check code is computed again\n"         \
             "and the line is OK when it matches the code stored in the line, NG when not.\n"))    \
    TEXT(exitStatus,                                                                               \
         Caption::same(                                                                            \
             "Exit status of --check: 0 every line OK, 1 some line NG, 2 the log could not\n"      \
             "be read, memory ran out or the command line is wrong.\n"))

struct TrailscanVerbTexts {
    VERMIL_TEXTS_MEMBERS(TrailscanVerbTexts, VERMIL_TRAILSCAN_VERB_TEXTS)
};

struct TrailscanVerbCaptions {
    VERMIL_TEXTS_CAPTIONS(VERMIL_TRAILSCAN_VERB_TEXTS)
};

} // namespace vermil
