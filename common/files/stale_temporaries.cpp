#include "common/files/stale_temporaries.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vermil {
namespace {

constexpr std::string_view marker = ".tmp";

bool isDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process id in a temporary's name ("...tmpPID_N"), 0 when there is none.
pid_t writerOf(std::string_view name) {
    const std::size_t at = name.rfind(marker);
    if (at == std::string_view::npos)
        return 0;
    const std::string_view rest = name.substr(at + marker.size());
    const std::size_t underscore = rest.find('_');
    if (underscore == std::string_view::npos || !isDigits(rest.substr(0, underscore)) ||
        !isDigits(rest.substr(underscore + 1)))
        return 0;
    long long pid = 0;
    std::from_chars(rest.data(), rest.data() + underscore, pid);
    return pid > 0 && pid <= INT32_MAX ? static_cast<pid_t>(pid) : 0;
}

bool processRuns(pid_t pid) {
    return pid != ::getpid() && (::kill(pid, 0) == 0 || errno != ESRCH);
}

void removeIfStale(const std::filesystem::path& temporary, pid_t writer) {
    if (processRuns(writer))
        return;
    const int fd = ::open(temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    // A writer on another computer sharing the folder still holds its lock.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        ::unlink(temporary.c_str());
    ::close(fd);
}

} // namespace

std::filesystem::path temporaryPath(const std::filesystem::path& file, int attempt) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    return folder / ("." + file.filename().string() + std::string(marker) +
                     std::to_string(::getpid()) + "_" + std::to_string(attempt));
}

bool isTemporaryName(std::string_view name, std::string_view fileName) {
    if (!name.starts_with('.') || writerOf(name) == 0)
        return false;
    if (fileName.empty())
        return true;
    const std::size_t at = name.rfind(marker);
    return at == fileName.size() + 1 && name.substr(1, fileName.size()) == fileName;
}

void removeStaleTemporaries(const std::filesystem::path& folder, std::string_view fileName) {
    std::error_code ec;
    std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, ec);
    for (; !ec && entries != std::filesystem::directory_iterator(); entries.increment(ec)) {
        const std::string name = entries->path().filename().string();
        if (isTemporaryName(name, fileName))
            removeIfStale(entries->path(), writerOf(name));
    }
}

} // namespace vermil
