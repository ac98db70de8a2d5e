#include "common/ini/ini_store.h"

#include "common/files/atomic_file.h"
#include "common/files/link_target.h"
#include "common/files/regular_file.h"
#include "common/number_text.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vermil {
namespace {

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

std::error_code lastError() {
    return {errno, std::generic_category()};
}

std::error_code readAll(int fd, std::string& out) {
    out.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        if (n == 0)
            return {};
        out.append(buffer, static_cast<std::size_t>(n));
        if (out.size() > maxIniFileBytes)
            return FileKindError::TooLarge;
    }
}

// Opens and locks the file that is at `file` now. Only a regular file (or none,
// which is created) is opened: a FIFO or a device in its place would block or
// never end. A writer that renamed a new file over it while we waited leaves us
// holding the lock of a replaced inode: retry.
// Opens the file to lock it, creating it when it is missing; `created` tells
// whether this call made it.
int openToLock(const std::filesystem::path& file, bool& created) {
    constexpr int flags = O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    const int fd = ::open(file.c_str(), flags);
    created = false;
    if (fd >= 0 || errno != ENOENT)
        return fd;
    const int made = ::open(file.c_str(), flags | O_CREAT | O_EXCL, 0666);
    created = made >= 0;
    return made;
}

std::error_code lockCurrentFile(const std::filesystem::path& file, FileDescriptor& fd,
                                bool& created) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const std::error_code problem = regularFileProblem(file, maxIniFileBytes);
        if (problem && problem != std::errc::no_such_file_or_directory)
            return problem;
        const int opened = openToLock(file, created);
        if (opened < 0 && errno == EEXIST)
            continue; // another writer made it in between: lock theirs
        if (opened < 0)
            return lastError();
        fd.reset(opened);
        if (const std::error_code kind = regularDescriptorProblem(fd.get(), maxIniFileBytes))
            return kind;
        while (::flock(fd.get(), LOCK_EX) != 0) {
            if (errno != EINTR)
                return lastError();
        }
        struct stat held {
        }, current{};
        if (::fstat(fd.get(), &held) == 0 && ::stat(file.c_str(), &current) == 0 &&
            held.st_ino == current.st_ino && held.st_dev == current.st_dev)
            return {};
    }
    return std::make_error_code(std::errc::resource_unavailable_try_again);
}

IniWriteOutcome failed(std::error_code error) {
    return {IniWriteOutcome::Status::Failed, error};
}

std::string cutToBuffer(std::string value, std::size_t bufferSize) {
    if (bufferSize == 0)
        return {};
    if (value.size() > bufferSize - 1)
        value.resize(bufferSize - 1);
    return value;
}

} // namespace

std::optional<std::string> IniSnapshot::value(std::string_view section,
                                              std::string_view key) const {
    return iniLookup(content_, section, key);
}

std::string IniSnapshot::string(std::string_view section, std::string_view key,
                                std::string_view fallback, std::size_t bufferSize) const {
    return cutToBuffer(value(section, key).value_or(std::string(fallback)), bufferSize);
}

int IniSnapshot::integer(std::string_view section, std::string_view key, int fallback) const {
    const auto found = value(section, key);
    if (!found || found->empty())
        return fallback;
    return decimalPrefix(*found);
}

IniSnapshot readIniFile(const std::filesystem::path& file) {
    std::error_code error;
    return IniSnapshot(readRegularFile(file, maxIniFileBytes, error).value_or(std::string()));
}

std::optional<std::string> readIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key) {
    std::error_code error;
    const auto content = readRegularFile(file, maxIniFileBytes, error);
    if (!content)
        return std::nullopt;
    return iniLookup(*content, section, key);
}

std::string readIniString(const std::filesystem::path& file, std::string_view section,
                          std::string_view key, std::string_view fallback, std::size_t bufferSize) {
    return cutToBuffer(readIniValue(file, section, key).value_or(std::string(fallback)),
                       bufferSize);
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
    return writeIniStrings(file, {{std::string(section), std::string(key), std::string(value)}})
        .written();
}

IniWriteOutcome writeIniStrings(const std::filesystem::path& file,
                                const std::vector<IniWrite>& writes) {
    return updateIniFile(file, [&writes](const IniSnapshot&) { return writes; });
}

IniWriteOutcome updateIniFile(const std::filesystem::path& file, const IniUpdatePlan& plan) {
    const std::filesystem::path target = finalLinkTarget(file);
    std::error_code ec;
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    if (!std::filesystem::is_directory(folder, ec))
        return failed(std::make_error_code(std::errc::no_such_file_or_directory));
    FileDescriptor fd;
    bool created = false;
    if (const std::error_code error = lockCurrentFile(target, fd, created))
        return failed(error);
    // A file made only to hold the lock goes again when nothing is written into it,
    // so a refused or failed write leaves no empty file behind.
    auto removeIfMadeForNothing = [&] {
        if (created)
            ::unlink(target.c_str());
    };
    std::string content;
    if (const std::error_code error = readAll(fd.get(), content)) {
        removeIfMadeForNothing();
        return failed(error);
    }
    const auto writes = plan(IniSnapshot(content));
    if (!writes) {
        removeIfMadeForNothing();
        return {IniWriteOutcome::Status::Declined, {}};
    }
    const auto updated = iniReplaceAll(content, *writes);
    if (!updated) {
        removeIfMadeForNothing();
        return failed({});
    }
    if (*updated == content)
        return {IniWriteOutcome::Status::Written, {}};
    // The lock stays held on the old file until the new one has replaced it.
    std::error_code error;
    if (!writeFileAtomically(target, *updated, error)) {
        removeIfMadeForNothing();
        return failed(error);
    }
    return {IniWriteOutcome::Status::Written, {}};
}

} // namespace vermil
