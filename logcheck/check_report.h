#pragma once

#include "log_check_run.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vermil {

// The report of one check as the dialog keeps it: the lines' CP932 bytes in one
// buffer and a small record per line, so a log of millions of lines costs
// little more than its own size; text is made for the lines on screen only.
class CheckReport {
public:
    struct Line {
        std::uint64_t offset = 0;
        std::uint32_t length = 0;
        bool lineFeed = false;
        bool ok = false;
        std::array<char, 8> code{};
    };

    void clear();
    void append(const CheckedBlock& block);

    std::size_t size() const { return lines_.size(); }
    const Line& line(std::size_t index) const { return lines_[index]; }
    std::string_view text(std::size_t index) const; // CP932, without the line end
    std::size_t longestLineBytes() const { return longest_; }

    // The report text of lines [first, last) in UTF-8, as the command line prints it.
    std::string reportText(std::size_t first, std::size_t last) const;

private:
    std::string bytes_;
    std::vector<Line> lines_;
    std::size_t longest_ = 0;
};

} // namespace vermil
