#pragma once

// A tiny file system for tests of a full disk: a tmpfs of a few kilobytes mounted
// in a mount namespace of a child process, so nothing outside the child ever sees
// it and it goes with the child.
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <optional>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vermil::test {

namespace detail {
inline bool writeProcFile(const char* path, const std::string& text) {
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    return ok;
}

// A mount namespace of our own: directly as root, else inside a user namespace.
inline bool enterOwnMountNamespace() {
    if (::unshare(CLONE_NEWNS) == 0)
        return true;
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return false;
    writeProcFile("/proc/self/setgroups", "deny");
    return writeProcFile("/proc/self/uid_map",
                         std::to_string(uid) + " " + std::to_string(uid) + " 1\n") &&
           writeProcFile("/proc/self/gid_map",
                         std::to_string(gid) + " " + std::to_string(gid) + " 1\n");
}
} // namespace detail

// Runs `scenario` in a child process on an empty file system of `bytes` bytes
// mounted at a fresh folder, and gives back the text the scenario returned (its
// report for the test to check). nullopt when this machine allows no private
// mount (the caller skips then); a scenario that crashes gives a text saying so.
inline std::optional<std::string>
inSmallFilesystem(std::size_t bytes,
                  const std::function<std::string(const std::filesystem::path&)>& scenario) {
    int report[2];
    if (::pipe(report) != 0)
        return std::nullopt;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(report[0]);
        char folder[] = "/tmp/vermil-test-small-XXXXXX";
        if (!detail::enterOwnMountNamespace() ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            !::mkdtemp(folder) ||
            ::mount("tmpfs", folder, "tmpfs", MS_NOSUID | MS_NODEV,
                    ("size=" + std::to_string(bytes)).c_str()) != 0)
            ::_exit(77);
        const std::string text = scenario(folder);
        for (std::size_t done = 0; done < text.size();) {
            const ssize_t n = ::write(report[1], text.data() + done, text.size() - done);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        ::umount(folder);
        ::rmdir(folder);
        ::_exit(0);
    }
    ::close(report[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(report[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(report[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77)
        return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "the scenario did not finish (wait status " + std::to_string(status) + ")";
    return text;
}

// Takes every free byte of the file system that holds `folder`, in a file `name`
// there: whole blocks first, then single bytes up to the last one.
inline void fillUp(const std::filesystem::path& folder, const std::string& name = "filler") {
    const int fd = ::open((folder / name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const std::string block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}

} // namespace vermil::test
