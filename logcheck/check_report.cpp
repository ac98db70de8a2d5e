#include "check_report.h"

#include "check_report_text.h"

#include <algorithm>

namespace vermil {

void CheckReport::clear() {
    std::string().swap(bytes_);
    std::vector<Line>().swap(lines_);
    longest_ = 0;
}

void CheckReport::append(const CheckedBlock& block) {
    lines_.reserve(lines_.size() + block.lines.size());
    for (const CheckedLine& checked : block.lines) {
        Line line;
        line.offset = bytes_.size();
        line.length = checked.length;
        line.lineFeed = checked.lineFeed;
        line.ok = checked.ok;
        line.code = checked.code;
        bytes_.append(block.text.view().substr(checked.offset, checked.length));
        longest_ = std::max<std::size_t>(longest_, checked.length);
        lines_.push_back(line);
    }
}

std::string_view CheckReport::text(std::size_t index) const {
    const Line& line = lines_[index];
    return std::string_view(bytes_).substr(line.offset, line.length);
}

std::string CheckReport::reportText(std::size_t first, std::size_t last) const {
    std::string out;
    last = std::min(last, lines_.size());
    for (std::size_t i = first; i < last; ++i) {
        CheckedLine shown;
        shown.lineFeed = lines_[i].lineFeed;
        shown.ok = lines_[i].ok;
        shown.code = lines_[i].code;
        appendReportLine(out, text(i), shown);
    }
    return out;
}

} // namespace vermil
