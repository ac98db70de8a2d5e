#pragma once

#include <optional>
#include <string_view>

namespace vermil::cli {

// The highest page --page takes; a PDF with more pages is not stamped from the command line.
inline constexpr int maxPageNumber = 1'000'000;

// A point on a page, in millimetres from the page's top-left corner.
struct PagePoint {
    double xMm = 0;
    double yMm = 0;
};

// The point of --at: "X,Y", each a finite decimal number and nothing else;
// nullopt for anything else.
std::optional<PagePoint> pagePointIn(std::string_view text);

} // namespace vermil::cli
