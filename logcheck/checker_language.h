#pragma once

#include "common/language.h"

#include <string_view>

namespace vermil {

// The language of the checker's texts, in the window and on the command line:
// MAIN/Lang of hanko.ini in the hanko folder.
Language checkerLanguage(std::string_view hankoFolder);

} // namespace vermil
