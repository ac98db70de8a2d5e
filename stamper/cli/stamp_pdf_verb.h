#pragma once

#include "common/cli/verb_call.h"

namespace vermil::cli {

// --stamp-pdf IN.pdf --out OUT.pdf --at X,Y [--page N] and the field options and
// password sources of --stamp: the whole stamp as --stamp makes it, its seal
// drawn on page N (1 unless given) of a copy of IN, the seal's top-left corner X
// mm right of and Y mm below the top-left corner of the page as a reader shows
// it, and the stamp object attached to the copy. IN is never changed; OUT is
// written as a whole, and only then is the stamp logged and its fields
// remembered. Exit 1 for a failed check or password, 2 for usage and file errors
// (OUT the same file as IN, not a PDF, damaged, encrypted, signed, no such page,
// the seal not wholly on the page), found before the seal dialog's checks where
// that can be known; nothing is written then. Needs a GUI application (fonts).
ExitStatus runStampPdfVerb(const VerbCall& call);

} // namespace vermil::cli
