#include "manager/import/csv_lines.h"

namespace vermil {

bool CsvLineReader::next(CsvLine& line) {
    line = CsvLine{};
    char c;
    char last = '\0';
    bool any = false;
    while (in_.get(c)) {
        any = true;
        if (c == '\n') {
            line.hasLineBreak = true;
            break;
        }
        ++line.length;
        last = c;
        if (line.text.size() <= maxCsvLineBytes)
            line.text += c;
    }
    if (!any)
        return false;
    // The CR of a CR LF belongs to the line break.
    if (line.hasLineBreak && last == '\r') {
        --line.length;
        if (line.text.size() > line.length)
            line.text.pop_back();
    }
    line.number = ++number_;
    return true;
}

std::vector<std::string> splitCsvFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t begin = line.find_first_not_of(",\t", pos);
        if (begin == std::string_view::npos)
            break;
        const std::size_t end = line.find_first_of(",\t", begin);
        fields.emplace_back(line.substr(begin, end == std::string_view::npos ? end : end - begin));
        pos = end;
    }
    return fields;
}

} // namespace vermil
