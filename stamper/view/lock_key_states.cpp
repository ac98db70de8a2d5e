#include "stamper/view/lock_key_states.h"

#include <fstream>
#include <string>
#include <system_error>

namespace vermil {
namespace {

void merge(std::optional<bool>& state, const std::filesystem::path& led) {
    std::ifstream in(led / "brightness");
    int brightness = 0;
    if (!(in >> brightness))
        return;
    state = state.value_or(false) || brightness > 0;
}

} // namespace

LockKeyStates readLockKeyStates(const std::filesystem::path& ledsFolder) {
    LockKeyStates states;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(ledsFolder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const std::size_t colons = name.rfind("::");
        if (colons == std::string::npos)
            continue;
        const std::string function = name.substr(colons + 2);
        if (function == "kana")
            merge(states.kana, it->path());
        else if (function == "capslock")
            merge(states.caps, it->path());
        else if (function == "numlock")
            merge(states.num, it->path());
        else if (function == "scrolllock")
            merge(states.scroll, it->path());
    }
    return states;
}

} // namespace vermil
