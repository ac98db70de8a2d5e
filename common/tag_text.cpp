#include "tag_text.h"

#include "cp932.h"

#include <fstream>

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
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    // Read byte by byte with a bound, so a hostile file of one endless line is
    // never held in memory; one byte past the limit is kept to tell a CR LF apart.
    std::string joined;
    std::size_t lines = 0;
    bool endsWithCrOfThisLine = false;
    char c;
    while (lines < maxTagFileLines && joined.size() <= maxBytes && in.get(c)) {
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
    if (joined.size() > maxBytes)
        joined.resize(maxBytes);
    return joined;
}

namespace {
std::string orDefault(std::string value, std::string_view fallback) {
    return value.empty() ? std::string(fallback) : value;
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
