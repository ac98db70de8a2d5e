#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace vermil {

// A file that cannot be opened or read as a whole; the message names the problem.
class StampFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes of a file that holds a stamp's native data. Throws StampFileError when
// the file cannot be read, is not a regular file, or is larger than
// maxNativeDataBytes (checked before anything is read).
std::string readNativeDataFile(const std::filesystem::path& file);

} // namespace vermil
