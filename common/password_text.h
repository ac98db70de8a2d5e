#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vermil {

// A password as the password boxes take it: every letter a capital, character by
// character, so that every stored password code is that of a capital-letter
// password. The command line takes passwords the same way.
QString passwordAsTyped(QString text);

// The same for CP932 bytes from a file (the CSV import). Characters without a
// capital keep their bytes, and so does a letter whose capital has no CP932 form.
std::string passwordAsTyped(std::string_view cp932Password);

} // namespace vermil
