#pragma once

#include <string_view>

namespace vermil {

// The bytes of the default layout profile (CP932), built into the program so that
// a new seal folder gets one wherever the program runs.
std::string_view defaultProfileBytes();

} // namespace vermil
