#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace vermil {

// The import file's rows: CP932 lines of comma- (or tab-) separated fields.
inline constexpr std::size_t maxCsvLineBytes = 1022;
// A line shorter than this, counted with its line break, is not a row.
inline constexpr std::size_t minCsvRowBytes = 11;
inline constexpr std::size_t minCsvFields = 9;
inline constexpr std::size_t maxCsvFields = 20;
// At most 100 rows of at most 1022 bytes fit an index; a file this large is no
// import file and is not read.
inline constexpr std::uintmax_t maxCsvFileBytes = std::uintmax_t{4} * 1024 * 1024;

struct CsvLine {
    std::size_t number = 0; // 1-based, every line of the file counted
    std::string text;       // without its line break; cut after maxCsvLineBytes + 1 bytes
    std::size_t length = 0; // bytes without the line break, also of a cut line
    bool hasLineBreak = false;

    bool isTooLong() const { return length > maxCsvLineBytes; }
    // Counted with its line break (CR LF counts as one, as in a text-mode read).
    bool isRow() const { return length + (hasLineBreak ? 1 : 0) >= minCsvRowBytes; }
};

// Reads lines of any length with bounded memory; LF or CR LF ends a line.
class CsvLineReader {
public:
    explicit CsvLineReader(std::istream& in) : in_(in) {}
    bool next(CsvLine& line);

private:
    std::istream& in_;
    std::size_t number_ = 0;
};

// The fields of a row: separators are "," and tab, a run of separators counts as
// one (so there are no empty fields), separators at either end are ignored.
std::vector<std::string> splitCsvFields(std::string_view line);

} // namespace vermil
