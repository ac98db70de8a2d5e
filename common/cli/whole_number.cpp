#include "common/cli/whole_number.h"

#include <charconv>

namespace vermil::cli {

std::optional<int> wholeNumberIn(std::string_view text, int min, int max) {
    int number = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, number);
    if (ec != std::errc() || stop != end || number < min || number > max)
        return std::nullopt;
    return number;
}

} // namespace vermil::cli
