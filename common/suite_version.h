#pragma once

#include <string_view>

namespace vermil {

// The version texts written into stored files; peers compare them as text.
inline constexpr std::string_view indexVersionText = "5.6.4";
inline constexpr std::string_view programVersionText = "Ver5.6.4";

} // namespace vermil
