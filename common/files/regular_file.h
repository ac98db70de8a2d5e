#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace vermil {

// Why a file that exists is not read as data: it is not a regular file (a FIFO
// would block, a device never ends), or it is larger than its reader's limit.
enum class FileKindError { Directory = 1, Fifo, Device, Socket, OtherKind, TooLarge };

const std::error_category& fileKindCategory();
std::error_code make_error_code(FileKindError error);

// The reason, if any, why `file` cannot be read as a regular file of at most
// maxBytes bytes: no such file (ENOENT), its kind, its size, or the system's error.
// The file is looked at, never opened.
std::error_code regularFileProblem(const std::filesystem::path& file, std::uintmax_t maxBytes);

// The same for a file already open (after it was opened without blocking).
std::error_code regularDescriptorProblem(int fd, std::uintmax_t maxBytes);

// An open regular file for reading. Opening never blocks: the file is opened
// without waiting for a writer, and its kind and size are checked before anything
// is read.
class RegularFile {
public:
    RegularFile() = default;
    ~RegularFile();
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // The file, or nullopt with the reason in `error`.
    static std::optional<RegularFile> open(const std::filesystem::path& file,
                                           std::uintmax_t maxBytes, std::error_code& error);

    // Up to `size` bytes into `buffer`; 0 at the end. -1 after a read error.
    long read(char* buffer, std::size_t size);

    int descriptor() const { return fd_; }

private:
    explicit RegularFile(int fd) : fd_(fd) {}
    int fd_ = -1;
};

// The whole file, at most maxBytes bytes; nullopt with the reason in `error`.
std::optional<std::string> readRegularFile(const std::filesystem::path& file,
                                           std::uintmax_t maxBytes, std::error_code& error);

} // namespace vermil

template <> struct std::is_error_code_enum<vermil::FileKindError> : std::true_type {};
