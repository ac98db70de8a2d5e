#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vermil {

// Password boxes turn letters into capitals as they are typed, so every stored
// password code is the code of a capital-letter password. These apply the same
// rule to a password that did not come through a box.

// Every letter as its capital, character by character (the length stays).
QString upperCasePasswordText(QString text);

// The same for CP932 bytes. Characters without a capital keep their bytes, and
// so does a letter whose capital has no CP932 form.
std::string upperCasePassword(std::string_view cp932Password);

} // namespace vermil
