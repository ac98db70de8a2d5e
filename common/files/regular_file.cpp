#include "common/files/regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vermil {
namespace {

class FileKindCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "vermil.file_kind"; }
    std::string message(int value) const override {
        switch (static_cast<FileKindError>(value)) {
        case FileKindError::Directory:
            return "a directory, not a regular file";
        case FileKindError::Fifo:
            return "a FIFO, not a regular file";
        case FileKindError::Device:
            return "a device, not a regular file";
        case FileKindError::Socket:
            return "a socket, not a regular file";
        case FileKindError::OtherKind:
            return "not a regular file";
        case FileKindError::TooLarge:
            return "larger than the limit for this file";
        }
        return "unknown problem";
    }
};

std::error_code kindProblem(const struct stat& st, std::uintmax_t maxBytes) {
    if (S_ISREG(st.st_mode))
        return static_cast<std::uintmax_t>(st.st_size) > maxBytes ? FileKindError::TooLarge
                                                                  : std::error_code();
    if (S_ISDIR(st.st_mode))
        return FileKindError::Directory;
    if (S_ISFIFO(st.st_mode))
        return FileKindError::Fifo;
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return FileKindError::Device;
    if (S_ISSOCK(st.st_mode))
        return FileKindError::Socket;
    return FileKindError::OtherKind;
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

} // namespace

const std::error_category& fileKindCategory() {
    static const FileKindCategory category;
    return category;
}

std::error_code make_error_code(FileKindError error) {
    return {static_cast<int>(error), fileKindCategory()};
}

std::error_code regularFileProblem(const std::filesystem::path& file, std::uintmax_t maxBytes) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
        return lastError();
    return kindProblem(st, maxBytes);
}

std::error_code regularDescriptorProblem(int fd, std::uintmax_t maxBytes) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return lastError();
    return kindProblem(st, maxBytes);
}

RegularFile::~RegularFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

RegularFile::RegularFile(RegularFile&& other) noexcept : fd_(other.fd_) {
    other.fd_ = -1;
}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

std::optional<RegularFile> RegularFile::open(const std::filesystem::path& file,
                                             std::uintmax_t maxBytes, std::error_code& error) {
    // Looked at first, so that a device is never opened at all.
    error = regularFileProblem(file, maxBytes);
    if (error)
        return std::nullopt;
    // O_NONBLOCK: should a FIFO have taken the file's place since, open does not wait.
    RegularFile opened(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (opened.fd_ < 0) {
        error = lastError();
        return std::nullopt;
    }
    error = regularDescriptorProblem(opened.fd_, maxBytes);
    if (error)
        return std::nullopt;
    return opened;
}

long RegularFile::read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, size);
        if (n >= 0 || errno != EINTR)
            return static_cast<long>(n);
    }
}

std::optional<std::string> readRegularFile(const std::filesystem::path& file,
                                           std::uintmax_t maxBytes, std::error_code& error) {
    auto opened = RegularFile::open(file, maxBytes, error);
    if (!opened)
        return std::nullopt;
    std::string content;
    char buffer[65536];
    for (;;) {
        const long n = opened->read(buffer, sizeof buffer);
        if (n < 0) {
            error = lastError();
            return std::nullopt;
        }
        if (n == 0)
            return content;
        // A file that grew past the limit while it was read is refused like a large one.
        if (content.size() + static_cast<std::size_t>(n) > maxBytes) {
            error = FileKindError::TooLarge;
            return std::nullopt;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
}

} // namespace vermil
