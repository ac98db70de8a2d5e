// Looks keys up in, and writes keys into, an arbitrary INI text. A write must
// read back exactly and leave every other key as it read before; several writes
// in one replacement must give the bytes of one write after the other.
#include "common/ini/ini_syntax.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Key {
    std::string_view section, key;
};

// Sections and keys that the inputs may name: ASCII in both letter cases and a
// double-byte name.
constexpr Key keys[] = {{"MAIN", "Number"},     {"main", "Number"}, {"MAIN_VRM", "Number"},
                        {"\x83\x41", "Number"}, {"MAIN", "Hash"},   {"\x83\x41", "Vermil0000"},
                        {"NEW", "Key"}};

using Values = std::array<std::optional<std::string>, std::size(keys)>;

void checkOneWrite(std::string_view content, const Values& before, const Key& written) {
    const auto updated = vermil::iniReplace(content, written.section, written.key, " 42 ");
    if (!updated)
        return;
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        const Key& other = keys[i];
        const auto now = vermil::iniLookup(*updated, other.section, other.key);
        if (vermil::iniNamesEqual(other.section, written.section) &&
            vermil::iniNamesEqual(other.key, written.key)) {
            if (!now || *now != " 42 ")
                __builtin_trap();
        } else if (now != before[i]) {
            __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    Values before;
    for (std::size_t i = 0; i < std::size(keys); ++i)
        before[i] = vermil::iniLookup(content, keys[i].section, keys[i].key);
    for (const Key& key : keys)
        checkOneWrite(content, before, key);

    const std::vector<vermil::IniWrite> writes = {
        {"MAIN", "Number", "1"}, {"main", "Hash", "\"q\""}, {"NEW", "Key", ""}};
    std::optional<std::string> oneByOne(content);
    for (const auto& w : writes)
        if (oneByOne)
            oneByOne = vermil::iniReplace(*oneByOne, w.section, w.key, w.value);
    if (vermil::iniReplaceAll(content, writes) != oneByOne)
        __builtin_trap();
    return 0;
}
