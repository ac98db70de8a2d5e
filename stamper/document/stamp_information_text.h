#pragma once

#include <string>
#include <string_view>

namespace vermil {

struct StampRecord;

// Who stamped, when, where and with which fields: eight lines of label and value,
// each ending in CR LF, with Japanese labels when `language` is "Japanese" and
// English ones otherwise. CP932 bytes; a comment of several lines keeps its breaks.
std::string stampInformationText(const StampRecord& stamp, std::string_view language);

} // namespace vermil
