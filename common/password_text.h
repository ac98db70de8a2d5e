#pragma once

#include <QString>

namespace vermil {

// A password as the password boxes take it: every letter a capital, character by
// character, so that every stored password code is that of a capital-letter
// password. The command line takes passwords the same way.
QString passwordAsTyped(QString text);

} // namespace vermil
