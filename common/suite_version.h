#pragma once

#include "common/suite_version_numbers.h"

#include <string_view>

namespace vermil {

// The version texts written into stored files; peers compare them as text.
inline constexpr std::string_view indexVersionText = VERMIL_VERSION;
inline constexpr std::string_view programVersionText = "Ver" VERMIL_VERSION;

} // namespace vermil
