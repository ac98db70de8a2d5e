#include "common/files/regular_file.h"

#include <cstdint>

#include "common/files/file_message_texts.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vermil {
namespace {

class FileKindCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "vermil.file_kind"; }
    std::string message(int value) const override {
        switch (static_cast<FileKindError>(value)) {
        case FileKindError::Directory:
            return std::string(FileMessageCaptions::directory.english);
        case FileKindError::Fifo:
            return std::string(FileMessageCaptions::fifo.english);
        case FileKindError::Device:
            return std::string(FileMessageCaptions::device.english);
        case FileKindError::Socket:
            return std::string(FileMessageCaptions::socket.english);
        case FileKindError::OtherKind:
            return std::string(FileMessageCaptions::otherKind.english);
        case FileKindError::TooLarge:
            return std::string(FileMessageCaptions::tooLarge.english);
        }
        return std::string(FileMessageCaptions::unknownProblem.english);
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

int openFlags(FileAccess access) {
    switch (access) {
    case FileAccess::Update:
        return O_RDWR;
    case FileAccess::Append:
        return O_RDWR | O_APPEND; // read too: the last byte tells whether a line end is missing
    default:
        return O_RDONLY;
    }
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

std::error_code outputKindProblem(const std::filesystem::path& file) {
    std::error_code ignored;
    const std::filesystem::file_status status = std::filesystem::status(file, ignored);
    if (!std::filesystem::exists(status) || std::filesystem::is_regular_file(status))
        return {};
    return regularFileProblem(file, UINTMAX_MAX);
}

bool isNotRegularFile(std::error_code error) {
    return error.category() == fileKindCategory() && error != FileKindError::TooLarge;
}

RegularFile::~RegularFile() {
    close();
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), maxBytes_(other.maxBytes_), sizeAtOpen_(other.sizeAtOpen_),
      created_(other.created_) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        maxBytes_ = other.maxBytes_;
        sizeAtOpen_ = other.sizeAtOpen_;
        created_ = other.created_;
    }
    return *this;
}

void RegularFile::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::optional<RegularFile> RegularFile::createNew(const std::filesystem::path& file,
                                                  std::error_code& error) {
    RegularFile made(::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (made.fd_ < 0) {
        error = lastError();
        return std::nullopt;
    }
    made.created_ = true;
    error.clear();
    return made;
}

std::optional<RegularFile> RegularFile::open(const std::filesystem::path& file,
                                             std::uintmax_t maxBytes, std::error_code& error,
                                             FileAccess access) {
    if (access == FileAccess::CreateNew)
        return createNew(file, error);
    error = regularFileProblem(file, maxBytes);
    const bool missing = error == std::errc::no_such_file_or_directory;
    const bool mayCreate = access == FileAccess::Update || access == FileAccess::Append;
    if (error && !(missing && mayCreate))
        return std::nullopt;
    // O_NONBLOCK: should a FIFO have taken the file's place since, open does not wait.
    const int flags = openFlags(access) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    RegularFile opened(access == FileAccess::Append ? ::open(file.c_str(), flags | O_CREAT, 0666)
                                                    : ::open(file.c_str(), flags));
    if (opened.fd_ < 0 && errno == ENOENT && access == FileAccess::Update) {
        opened.fd_ = ::open(file.c_str(), flags | O_CREAT | O_EXCL, 0666);
        opened.created_ = opened.fd_ >= 0;
    }
    if (opened.fd_ < 0) {
        error = lastError();
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(opened.fd_, &st) != 0) {
        error = lastError();
        return std::nullopt;
    }
    error = kindProblem(st, maxBytes);
    if (error)
        return std::nullopt;
    opened.maxBytes_ = maxBytes;
    opened.sizeAtOpen_ = static_cast<std::uint64_t>(st.st_size);
    return opened;
}

long RegularFile::read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, size);
        if (n >= 0 || errno != EINTR)
            return static_cast<long>(n);
    }
}

std::optional<std::string> RegularFile::readAll(std::error_code& error) {
    std::string content;
    char buffer[65536];
    for (;;) {
        const long n = read(buffer, sizeof buffer);
        if (n < 0) {
            error = lastError();
            return std::nullopt;
        }
        if (n == 0)
            return content;
        if (content.size() + static_cast<std::size_t>(n) > maxBytes_) {
            error = FileKindError::TooLarge;
            return std::nullopt;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
}

std::error_code RegularFile::lockExclusively() {
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR)
            return lastError();
    }
    return {};
}

bool RegularFile::isStillAt(const std::filesystem::path& file) const {
    struct stat held {
    }, current{};
    return ::fstat(fd_, &held) == 0 && ::stat(file.c_str(), &current) == 0 &&
           held.st_ino == current.st_ino && held.st_dev == current.st_dev;
}

std::optional<std::string> readRegularFile(const std::filesystem::path& file,
                                           std::uintmax_t maxBytes, std::error_code& error) {
    auto opened = RegularFile::open(file, maxBytes, error);
    if (!opened)
        return std::nullopt;
    return opened->readAll(error);
}

} // namespace vermil
