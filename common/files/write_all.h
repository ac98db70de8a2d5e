#pragma once

#include <string_view>

namespace vermil {

// Writes all of `bytes` to the open file `fd`, going on after a short write and
// after an interrupted call. On a file opened for appending, a regular write puts
// the whole text at the end in one call. False when a write failed.
bool writeAll(int fd, std::string_view bytes);

} // namespace vermil
