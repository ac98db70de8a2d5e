// Looks keys up in, and writes one key into, an arbitrary INI text.
#include "common/ini_text.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::string_view sections[] = {"MAIN", "main", "MAIN_VRM", "\x83\x41"};
    for (std::string_view section : sections) {
        const auto value = vermil::iniLookup(content, section, "Number");
        const auto updated = vermil::iniReplace(content, section, "Number", " 42 ");
        if (updated) {
            const auto back = vermil::iniLookup(*updated, section, "Number");
            if (!back || *back != " 42 ")
                __builtin_trap();
        }
        (void)value;
    }
    return 0;
}
