#include "tag_text.h"

#include "common/files/regular_file.h"
#include "cp932.h"

#include <limits>
#include <utility>

namespace vermil {

std::string tagText(std::string_view text, std::string_view name) {
    if (text.empty())
        return {};
    const std::string open = "<" + std::string(name) + ">";
    const std::string close = "</" + std::string(name) + ">";
    const std::size_t openPos = cp932Find(text, open);
    const std::size_t closePos = cp932Find(text, close);
    if (openPos == std::string_view::npos || closePos == std::string_view::npos)
        return {};
    const std::size_t valueBegin = openPos + open.size();
    if (closePos < valueBegin)
        return {};
    return std::string(text.substr(valueBegin, closePos - valueBegin));
}

std::optional<std::string> loadTagFile(const std::filesystem::path& file, std::size_t maxBytes) {
    // A regular file only: a FIFO would block, a device never ends. Its size does
    // not matter, only the start is read.
    std::error_code error;
    auto in = RegularFile::open(file, std::numeric_limits<std::uintmax_t>::max(), error);
    if (!in)
        return std::nullopt;
    // Read with a bound, so a hostile file of one endless line is never held in
    // memory; one byte past the limit is kept to tell a CR LF apart.
    std::string joined;
    std::size_t lines = 0;
    bool endsWithCrOfThisLine = false;
    char buffer[4096];
    while (lines < maxTagFileLines && joined.size() <= maxBytes) {
        const long n = in->read(buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (long i = 0; i < n && lines < maxTagFileLines && joined.size() <= maxBytes; ++i) {
            const char c = buffer[i];
            if (c == '\n') {
                if (endsWithCrOfThisLine)
                    joined.pop_back();
                endsWithCrOfThisLine = false;
                ++lines;
                continue;
            }
            joined += c;
            endsWithCrOfThisLine = c == '\r';
        }
    }
    if (joined.size() > maxBytes)
        joined.resize(maxBytes);
    return joined;
}

namespace {
std::string orDefault(std::string value, std::string_view fallback) {
    return value.empty() ? std::string(fallback) : std::move(value);
}
} // namespace

std::string readDateFormat(std::string_view sealText) {
    return orDefault(tagText(tagText(sealText, "Date"), "Format"), "YYYY.MM.DD");
}

std::string readSizeX(std::string_view sealText) {
    return orDefault(tagText(tagText(tagText(sealText, "Shape"), "Size"), "X"), "19");
}

std::string readSizeY(std::string_view sealText) {
    return orDefault(tagText(tagText(tagText(sealText, "Shape"), "Size"), "Y"), "19");
}

} // namespace vermil
