#pragma once

#include "tests/support/test_environment.h"

#include <filesystem>
#include <map>
#include <string>

namespace vermil::test {

// Every file of a home with its bytes; the libraries' caches and the session's
// runtime folder are left out.
inline std::map<std::string, std::string> filesOf(const std::filesystem::path& home) {
    std::map<std::string, std::string> files;
    for (auto it = std::filesystem::recursive_directory_iterator(home);
         it != std::filesystem::recursive_directory_iterator(); ++it) {
        const std::string relative = std::filesystem::relative(it->path(), home).string();
        if (relative == ".cache" || relative == ".runtime") {
            it.disable_recursion_pending();
            continue;
        }
        files[relative] = it->is_regular_file() ? readFile(it->path())
                          : it->is_directory()  ? "<folder>"
                                                : "<not a file>";
    }
    return files;
}

} // namespace vermil::test
