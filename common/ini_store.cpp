#include "ini_store.h"

#include "atomic_file.h"

#include "ini_text.h"
#include "number_text.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vermil {
namespace {

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size > maxIniFileBytes)
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content(static_cast<std::size_t>(size), '\0');
    in.read(content.data(), static_cast<std::streamsize>(size));
    content.resize(static_cast<std::size_t>(in.gcount()));
    return content;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    void reset(int fd = -1) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

bool readAll(int fd, std::string& out) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || static_cast<std::uintmax_t>(st.st_size) > maxIniFileBytes)
        return false;
    out.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return true;
        out.append(buffer, static_cast<std::size_t>(n));
        if (out.size() > maxIniFileBytes)
            return false;
    }
}

// Opens and locks the file that is at `file` now. A writer that renamed a new file
// over it while we waited leaves us holding the lock of a replaced inode: retry.
bool lockCurrentFile(const std::filesystem::path& file, FileDescriptor& fd) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        fd.reset(::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
        if (fd.get() < 0)
            return false;
        while (::flock(fd.get(), LOCK_EX) != 0) {
            if (errno != EINTR)
                return false;
        }
        struct stat held {
        }, current{};
        if (::fstat(fd.get(), &held) == 0 && ::stat(file.c_str(), &current) == 0 &&
            held.st_ino == current.st_ino && held.st_dev == current.st_dev)
            return true;
    }
    return false;
}

} // namespace

std::optional<std::string> readIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key) {
    const auto content = readWholeFile(file);
    if (!content)
        return std::nullopt;
    return iniLookup(*content, section, key);
}

std::string readIniString(const std::filesystem::path& file, std::string_view section,
                          std::string_view key, std::string_view fallback, std::size_t bufferSize) {
    std::string value(readIniValue(file, section, key).value_or(std::string(fallback)));
    if (bufferSize == 0)
        return {};
    if (value.size() > bufferSize - 1)
        value.resize(bufferSize - 1);
    return value;
}

int readIniInt(const std::filesystem::path& file, std::string_view section, std::string_view key,
               int fallback) {
    const auto value = readIniValue(file, section, key);
    if (!value || value->empty())
        return fallback;
    return decimalPrefix(*value);
}

bool writeIniString(const std::filesystem::path& file, std::string_view section,
                    std::string_view key, std::string_view value) {
    std::error_code ec;
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    if (!std::filesystem::is_directory(folder, ec))
        return false;
    FileDescriptor fd;
    if (!lockCurrentFile(file, fd))
        return false;
    std::string content;
    if (!readAll(fd.get(), content))
        return false;
    const auto updated = iniReplace(content, section, key, value);
    if (!updated)
        return false;
    if (*updated == content)
        return true;
    // The lock stays held on the old file until the new one has replaced it.
    return writeFileAtomically(file, *updated);
}

} // namespace vermil
