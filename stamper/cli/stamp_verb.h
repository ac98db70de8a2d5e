#pragma once

#include "common/cli/verb_call.h"

namespace vermil::cli {

// --stamp STAMPFILE [--seal NAME] [--document-no T] [--name T] [--section T]
// [--date T] [--comment T] [--seal-date T] [--password-stdin]
// [--save-password | --no-save-password] [--picture FILE [--dpi N]]:
// one stamp as the seal dialog makes it, without a window. Start-up, the
// selection of the seal (--seal, else the last used one by the preselection
// rule), the given fields over the remembered ones, then OK. The password is the
// first line of standard input with --password-stdin, else VERMIL_PASSWORD, else
// the remembered one. Exit 1 when a check or the password fails, and then nothing
// is written anywhere; 2 for usage and file errors, found before anything is
// written where that can be known. After the checks the stamp object is written
// to STAMPFILE (and the picture), and only then is the stamp logged and its
// fields remembered. Needs a GUI application object (fonts).
ExitStatus runStampVerb(const VerbCall& call);

} // namespace vermil::cli
