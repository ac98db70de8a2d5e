#pragma once

#include "common/cli/verb_call.h"

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace vermil::cli {

// What the stamping verbs take from the command line and standard input. Texts
// come in UTF-8 and are stored in CP932: one without a Shift-JIS form is refused
// with a message naming it, never stored in part.

// The CP932 form of `utf8`; nullopt after a message naming `what`.
std::optional<std::string> cp932Input(const VerbCall& call, std::string_view what,
                                      std::string_view utf8);

// An option's text in CP932: `absent` (nullopt) when the option was not given;
// false after the message when it has no CP932 form.
bool cp932Option(const VerbCall& call, std::string_view option, std::optional<std::string>& value);

// The longest line read from standard input: a password, never a document.
inline constexpr std::size_t maxInputLineBytes = 4096;

// A line of `in` without its line end (LF or CR LF); empty at the end of the input;
// nullopt for a line longer than maxInputLineBytes, of which no more is read.
std::optional<std::string> inputLine(std::istream& in);

// A password as the password boxes take it (letters in capitals), in CP932;
// nullopt after a message when it has no CP932 form.
std::optional<std::string> passwordInput(const VerbCall& call, std::string_view utf8);

// The next line of standard input as a password (passwordInput); nullopt after a
// message when the line is too long or has no CP932 form.
std::optional<std::string> passwordLine(const VerbCall& call);

} // namespace vermil::cli
