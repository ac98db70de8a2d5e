#include "stamper/sealdialog/seal_preselection.h"

#include "common/cp932.h"

namespace vermil {
namespace {

char foldedAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// True when `text` begins with `prefix`, character by character, letter case of
// single-byte letters aside.
bool beginsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    std::size_t pos = 0;
    while (pos < prefix.size()) {
        if (pos >= text.size())
            return false;
        const std::size_t length = cp932CharLength(prefix, pos);
        if (cp932CharLength(text, pos) != length)
            return false;
        if (length == 1) {
            if (foldedAscii(text[pos]) != foldedAscii(prefix[pos]))
                return false;
        } else if (text.substr(pos, length) != prefix.substr(pos, length)) {
            return false;
        }
        pos += length;
    }
    return true;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && beginsWithIgnoringCase(a, b);
}

template <typename Match>
std::optional<std::size_t> firstMatch(const std::vector<std::string>& names, Match match) {
    for (std::size_t row = 0; row < names.size(); ++row)
        if (match(names[row]))
            return row;
    return std::nullopt;
}

} // namespace

std::optional<std::size_t> preselectedSeal(const std::vector<std::string>& names,
                                           std::string_view lastSeal) {
    if (lastSeal.empty())
        return std::nullopt;
    if (auto row = firstMatch(names, [&](const std::string& n) { return n == lastSeal; }))
        return row;
    if (auto row =
            firstMatch(names, [&](const std::string& n) { return equalIgnoringCase(n, lastSeal); }))
        return row;
    return firstMatch(names,
                      [&](const std::string& n) { return beginsWithIgnoringCase(n, lastSeal); });
}

} // namespace vermil
