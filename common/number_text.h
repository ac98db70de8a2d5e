#pragma once

#include <string_view>

namespace vermil {

// A number held as text: optional leading white space and sign, then decimal
// digits up to the first other character; no digits read as 0. Values beyond
// the int range are clamped.
int decimalPrefix(std::string_view text);

} // namespace vermil
