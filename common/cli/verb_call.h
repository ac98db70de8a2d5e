#pragma once

#include "common/cli/verb_table.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vermil::cli {

// One verb as the command line asked for it: its operands, the values of its
// options, the stream it may read (standard input, for what must never stand on
// the command line, such as a password) and the streams it writes to (text to
// out in UTF-8, messages to err).
class VerbCall {
public:
    using OptionValues = std::vector<std::pair<std::string_view, std::string>>;

    VerbCall(const VerbTable& table, const Verb& verb, std::vector<std::string> operands,
             OptionValues values, std::istream& in, std::ostream& out, std::ostream& err);

    const Verb& verb() const { return *verb_; }
    const std::vector<std::string>& operands() const { return operands_; }
    // The value given with an option (the last one when it was given twice); a
    // flag that was given has an empty value. nullopt when it was not given.
    std::optional<std::string> value(std::string_view option) const;
    bool has(std::string_view option) const { return value(option).has_value(); }
    // A whole-number option: `fallback` when it was not given, nullopt after a
    // message when its value is not a whole number from min to max.
    std::optional<int> wholeNumber(std::string_view option, int fallback, int min, int max) const;

    // Read only by a verb that was asked to (--password-stdin): a verb never waits
    // for an answer.
    std::istream& in() const { return *in_; }
    std::ostream& out() const { return *out_; }
    std::ostream& err() const { return *err_; }
    // err, after the program's name: for messages of the form "vermilin: ...".
    std::ostream& error() const;

    // Runs the verb's function; a row without one is a window, not a verb.
    ExitStatus run() const;

private:
    const VerbTable* table_;
    const Verb* verb_;
    std::vector<std::string> operands_;
    OptionValues values_;
    std::istream* in_;
    std::ostream* out_;
    std::ostream* err_;
};

} // namespace vermil::cli
