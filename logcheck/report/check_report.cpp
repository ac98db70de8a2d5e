#include "logcheck/report/check_report.h"

#include "logcheck/report/check_report_text.h"

#include <algorithm>

namespace vermil {

void CheckReport::clear() {
    decltype(bytes_)().swap(bytes_);
    decltype(lines_)().swap(lines_);
    std::vector<std::size_t>().swap(ngLines_);
    longest_ = 0;
}

void CheckReport::reserveText(std::uint64_t bytes) {
    if (bytes > bytes_.max_size())
        throw std::bad_alloc();
    bytes_.reserve(static_cast<std::size_t>(bytes));
}

void CheckReport::reserveLines(std::uint64_t lines) {
    if (lines > lines_.max_size())
        throw std::bad_alloc();
    lines_.reserve(static_cast<std::size_t>(lines));
}

void CheckReport::append(const CheckedBlock& block) {
    // The block's bytes are kept whole, line ends and all, in one copy; each
    // line points into them. (No reserve per block for the lines: that would
    // copy the whole list again for every block; push_back grows it by doubling.)
    const std::uint64_t base = bytes_.size();
    const std::string_view text = block.text.view();
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    for (const CheckedLine& checked : block.lines) {
        Line line;
        line.offset = base + checked.offset;
        line.length = checked.length;
        line.ok = checked.ok;
        line.code = checked.code;
        longest_ = std::max<std::size_t>(longest_, checked.length);
        if (!checked.ok)
            ngLines_.push_back(lines_.size());
        lines_.push_back(line);
    }
}

std::string_view CheckReport::text(std::size_t index) const {
    const Line& line = lines_[index];
    return std::string_view(bytes_.data() + line.offset, line.length);
}

std::optional<std::size_t> CheckReport::ngAfter(std::size_t line) const {
    const auto next = std::upper_bound(ngLines_.begin(), ngLines_.end(), line);
    if (next == ngLines_.end())
        return std::nullopt;
    return *next;
}

std::optional<std::size_t> CheckReport::ngBefore(std::size_t line) const {
    const auto next = std::lower_bound(ngLines_.begin(), ngLines_.end(), line);
    if (next == ngLines_.begin())
        return std::nullopt;
    return *(next - 1);
}

std::string CheckReport::reportText(std::size_t first, std::size_t last) const {
    std::string out;
    last = std::min(last, lines_.size());
    for (std::size_t i = first; i < last; ++i) {
        CheckedLine shown;
        shown.ok = lines_[i].ok;
        shown.code = lines_[i].code;
        appendReportLine(out, text(i), shown);
    }
    return out;
}

} // namespace vermil
