#include "atomic_file.h"

#include "write_all.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vermil {
namespace {

// A new file in `folder` that no one else uses; its mode follows the umask like
// any other new file of the user.
int createTemporary(const std::filesystem::path& file, std::string& name) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = (folder / ("." + file.filename().string() + ".tmp" + std::to_string(::getpid()) +
                          "_" + std::to_string(attempt)))
                   .string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    std::string temporary;
    const int fd = createTemporary(file, temporary);
    if (fd < 0)
        return false;
    struct stat existing {};
    bool ok = true;
    if (::stat(file.c_str(), &existing) == 0)
        ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace vermil
