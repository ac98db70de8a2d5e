#pragma once

#include "logcheck/large_page_allocator.h"
#include "logcheck/log_check_run.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermil {

// The report of one check as the dialog keeps it: the lines' CP932 bytes in one
// buffer, a small record per line and the numbers of the NG lines, so a log of
// millions of lines costs little more than its own size, and the NG lines are
// found without going through the others; text is made for the lines on screen only.
class CheckReport {
public:
    struct Line {
        std::uint64_t offset = 0;
        std::uint32_t length = 0;
        bool ok = false;
        std::array<char, 8> code{};
    };

    void clear();
    // Room for the text of a log of `bytes` bytes, so it is never copied to grow.
    void reserveText(std::uint64_t bytes);
    void reserveLines(std::uint64_t lines);
    void append(const CheckedBlock& block);

    std::size_t size() const { return lines_.size(); }
    const Line& line(std::size_t index) const { return lines_[index]; }
    std::string_view text(std::size_t index) const; // CP932, without the line end
    std::size_t longestLineBytes() const { return longest_; }

    // The NG lines (indexes from 0), in file order.
    const std::vector<std::size_t>& ngLines() const { return ngLines_; }
    // The first NG line after `line` / the last one before it.
    std::optional<std::size_t> ngAfter(std::size_t line) const;
    std::optional<std::size_t> ngBefore(std::size_t line) const;

    // The report text of lines [first, last) in UTF-8, as the command line prints it.
    std::string reportText(std::size_t first, std::size_t last) const;

private:
    std::vector<char, LargePageAllocator<char>> bytes_;
    std::vector<Line, LargePageAllocator<Line>> lines_;
    std::vector<std::size_t> ngLines_;
    std::size_t longest_ = 0;
};

} // namespace vermil
