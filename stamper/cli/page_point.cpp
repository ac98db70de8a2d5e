#include "stamper/cli/page_point.h"

#include <charconv>
#include <cmath>

namespace vermil::cli {
namespace {

std::optional<double> millimetresOf(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<PagePoint> pagePointIn(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const auto x = millimetresOf(text.substr(0, comma));
    const auto y = millimetresOf(text.substr(comma + 1));
    if (!x || !y)
        return std::nullopt;
    return PagePoint{*x, *y};
}

} // namespace vermil::cli
