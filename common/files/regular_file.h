#pragma once

#include <cstddef>
#include <cstdint>
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

// Why nothing may be written to `file`: something other than a regular file is
// there already (a link is followed), such as a device or a FIFO that a replacement
// would take away. Nothing when it is missing or a regular file.
std::error_code outputKindProblem(const std::filesystem::path& file);

// True for the kinds that are never read (a directory, a FIFO, a device, a
// socket, another kind); false for a size over the limit and for the system's errors.
bool isNotRegularFile(std::error_code error);

// How a file is opened: to read it; to read it and replace it under a lock (then
// it is created when missing); as a new file to write, which must not exist yet;
// or to add to its end (created when missing).
enum class FileAccess { Read, Update, CreateNew, Append };

// The one owner of an open file's descriptor in the suite. Opening never blocks:
// the file is opened without waiting for a writer, and its kind and size are
// checked before anything is read. A file of the wrong kind is looked at first,
// so that a device is never opened at all.
class RegularFile {
public:
    RegularFile() = default;
    ~RegularFile();
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // The file, or nullopt with the reason in `error`. With Update a missing file
    // is created (EEXIST when another process made it in between: open it again);
    // with CreateNew a file already there is EEXIST.
    static std::optional<RegularFile> open(const std::filesystem::path& file,
                                           std::uintmax_t maxBytes, std::error_code& error,
                                           FileAccess access = FileAccess::Read);

    // Up to `size` bytes into `buffer`; 0 at the end. -1 after a read error.
    long read(char* buffer, std::size_t size);
    // The rest of the file, at most the limit given at open (a file that grew past
    // it while it was read is refused like a large one); nullopt with the reason.
    std::optional<std::string> readAll(std::error_code& error);

    // Waits for the exclusive advisory lock, held until the file is closed.
    std::error_code lockExclusively();
    // True while the file at `file` is still this one, not one renamed over it.
    bool isStillAt(const std::filesystem::path& file) const;

    int descriptor() const { return fd_; }
    // The size when it was opened.
    std::uint64_t sizeAtOpen() const { return sizeAtOpen_; }
    // True when this open made the file.
    bool created() const { return created_; }

private:
    explicit RegularFile(int fd) : fd_(fd) {}
    static std::optional<RegularFile> createNew(const std::filesystem::path& file,
                                                std::error_code& error);
    void close();
    int fd_ = -1;
    std::uintmax_t maxBytes_ = 0;
    std::uint64_t sizeAtOpen_ = 0;
    bool created_ = false;
};

// The whole file, at most maxBytes bytes; nullopt with the reason in `error`.
std::optional<std::string> readRegularFile(const std::filesystem::path& file,
                                           std::uintmax_t maxBytes, std::error_code& error);

} // namespace vermil

template <> struct std::is_error_code_enum<vermil::FileKindError> : std::true_type {};
