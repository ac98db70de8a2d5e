#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vermil {

// The verdict on one stamp log line.
struct LineVerdict {
    std::array<char, 8> code{}; // the code computed over the line's fields
    bool ok = false;
};

// The fields of a line: the non-empty pieces between ",", "|", tab and line
// feed. The text is CP932, so the second byte of a double-byte character (ポ is
// 0x83 0x7C) never splits.
std::vector<std::string_view> logLineFields(std::string_view line);
// The same into `fields`, which keeps its room from line to line.
void logLineFields(std::string_view line, std::vector<std::string_view>& fields);

// Writes the fields of `line` at `out` without separators (at most line.size()
// bytes) and returns the end; `lastFieldOffset` becomes the offset of the last
// field from `out`, or npos when the line has no field. `readableAfter` bytes
// after the line may be read (never used).
char* writeLineFields(std::string_view line, char* out, std::size_t& lastFieldOffset,
                      std::size_t readableAfter = 0);

// Appends the fields of `line` to `joined` without separators; returns where
// the last field starts in `joined`, or npos when the line has no field.
std::size_t appendLineFields(std::string_view line, std::string& joined);

// Checks lines one after another; keeps one buffer so a long run of lines
// allocates nothing.
class LogLineChecker {
public:
    // `line` is the line's text without its line end. The code is hash8 of all
    // fields but the last, joined; the line is OK when the last field equals it
    // byte for byte. A line without any field is never OK.
    LineVerdict check(std::string_view line);

private:
    std::string body_;
};

} // namespace vermil
