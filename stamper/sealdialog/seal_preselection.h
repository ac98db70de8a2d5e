#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermil {

// The entry a dialog selects for the seal used last, in the order the list shows
// its entries: the entry equal to the name byte for byte, else one equal to it
// apart from the letter case, else the first that begins with it (letter case
// aside). So a remembered "経理部長" never selects "経理部長代理" listed before it.
// nullopt when no entry matches or the name is empty. Letters are compared as
// CP932 characters: the trail byte of a double-byte character is never folded.
std::optional<std::size_t> preselectedSeal(const std::vector<std::string>& names,
                                           std::string_view lastSeal);

} // namespace vermil
