#pragma once

#include <string>

namespace vermil {

// The language of the stamping program, taken when it starts, before any window:
// MAIN/Lang of the hanko folder's settings, else Japanese on a Japanese locale
// and English otherwise, written back when it was missing. Without a documents
// folder the locale decides and nothing is written.
std::string programStartLanguage();

} // namespace vermil
