#pragma once

#include "common/cli/exit_status.h"

#include <span>
#include <string_view>

namespace vermil::cli {

class VerbCall;

// One option of a verb: a flag, or an option whose value is the next argument.
struct Option {
    std::string_view name;      // "--dpi"
    std::string_view valueName; // "N" in the help; empty for a flag
    std::string_view
        summary; // listed under Options in the help; empty when the verb's summary tells it
    bool required = false;
};

// The application object a verb runs under; the program creates it before the verb runs.
enum class VerbApplication { Core, Gui, Widgets };

using VerbFunction = ExitStatus (*)(const VerbCall& call);

// One row of a program's verb table. Adding a verb is one row and its function.
struct Verb {
    // "--info". The row without a name is what the program does when no verb is
    // given (its window); a program without such a row shows its usage.
    std::string_view name;
    // The operand names as the help shows them, "STAMPFILE" or "[LOGFILE]": each
    // name is one operand, a bracketed name an optional one. Operands may stand
    // anywhere among the options; after "--" every argument is an operand.
    std::string_view operands;
    std::string_view summary;   // for --help; its line breaks are kept
    VerbFunction run = nullptr; // nullptr: the program opens its window itself
    std::span<const Option> options = {};
    VerbApplication application = VerbApplication::Core;
    // Other spellings of the name that call the same verb, e.g. the Windows-style
    // "/Embedding" beside "-Embedding". Matched exactly, like the name.
    std::span<const std::string_view> aliases = {};
};

// The command line of one program. --help (or -h) is built in and lists the table.
struct VerbTable {
    std::string_view program; // in messages and in the usage lines
    std::span<const Verb> verbs;
    std::string_view about = {};      // a paragraph of the help after the usage lines
    std::string_view exitStatus = {}; // the last paragraph of the help
};

} // namespace vermil::cli
