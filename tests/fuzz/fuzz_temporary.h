#pragma once

// Where a fuzz target writes the files it reads back: VERMIL_FUZZ_TMPDIR, else
// TMPDIR, else /tmp. Runs side by side (and CTest) keep their files apart.
#include <cstdlib>
#include <string>

namespace vermil::fuzz {

// A mkstemp/mkdtemp template for a file or folder named after `what`.
inline std::string temporaryTemplate(const char* what) {
    const char* folder = std::getenv("VERMIL_FUZZ_TMPDIR");
    if (!folder || !*folder)
        folder = std::getenv("TMPDIR");
    if (!folder || !*folder)
        folder = "/tmp";
    return std::string(folder) + "/vermil-fuzz-" + what + "-XXXXXX";
}

} // namespace vermil::fuzz
