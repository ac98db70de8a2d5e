#pragma once

#include <optional>
#include <string_view>

namespace vermil::cli {

// A whole-number option's value: decimal digits with an optional "-", nothing
// before or after, from min to max; nullopt for anything else.
std::optional<int> wholeNumberIn(std::string_view text, int min, int max);

} // namespace vermil::cli
