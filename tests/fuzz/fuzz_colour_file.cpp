// Reads arbitrary bytes as the colour file. A colour that is set reads back as
// it was set, and the colours of the other seals read as before.
#include "common/colour_file.h"
#include "common/ini/ini_syntax.h"
#include "tests/fuzz/fuzz_temporary.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

void require(bool property) {
    if (!property)
        __builtin_trap();
}

// One folder per run: the colour file's writer puts its temporary files beside it.
const std::filesystem::path& colourFile() {
    static const std::filesystem::path file = [] {
        std::string folder = vermil::fuzz::temporaryTemplate("colour");
        if (!::mkdtemp(folder.data()))
            std::abort();
        return std::filesystem::path(folder) / "hanko.ini";
    }();
    return file;
}

// The name of the first section the input opens, if any: the fuzzer finds the
// seal sections through it.
std::string firstSection(std::string_view text) {
    const std::size_t open = text.find('[');
    const std::size_t close = text.find(']', open == std::string_view::npos ? 0 : open);
    if (open == std::string_view::npos || close == std::string_view::npos)
        return {};
    return std::string(text.substr(open + 1, close - open - 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(colourFile(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            return 0;
    }
    const vermil::ColourFile colours(colourFile());
    std::vector<std::string> names{"tanaka", "TANAKA", "\x88\xf3", "never listed"};
    if (std::string first = firstSection(bytes); !first.empty())
        names.push_back(std::move(first));
    std::vector<int> before;
    for (const std::string& name : names) {
        before.push_back(colours.colour(name));
        if (!vermil::iniLookup(bytes, name, "Color"))
            require(before.back() == vermil::defaultSealColour);
    }

    int colour = 0;
    std::memcpy(&colour, bytes.data(), std::min(sizeof colour, bytes.size()));
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!colours.setColour(names[i], colour))
            continue; // a name that cannot stand in a section header
        for (std::size_t j = 0; j < names.size(); ++j) {
            if (vermil::iniNamesEqual(names[i], names[j]))
                before[j] = colour;
            require(colours.colour(names[j]) == before[j]);
        }
        colour = ~colour;
    }
    return 0;
}
