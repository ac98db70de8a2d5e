#include "common/files/atomic_file.h"

#include "common/files/link_target.h"
#include "common/files/regular_file.h"
#include "common/files/stale_temporaries.h"
#include "common/files/write_all.h"

#include <cerrno>
#include <cstdint>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vermil {
namespace {

// A new file beside `file` that no one else uses, locked while it is written so
// that a sweep of stale temporaries leaves it alone; its mode follows the umask
// like any other new file of the user.
std::optional<RegularFile> createTemporary(const std::filesystem::path& file, std::string& name,
                                           std::error_code& error) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryPath(file, attempt).string();
        std::optional<RegularFile> made = RegularFile::open(name, 0, error, FileAccess::CreateNew);
        if (made) {
            made->lockExclusively();
            return made;
        }
        if (error != std::errc::file_exists)
            return std::nullopt;
    }
    return std::nullopt;
}

// The new file takes the old one's owner and group, so that a shared folder's
// files stay with whoever they belonged to. Only root may give a file away; any
// other writer keeps at least the group, where it is a member of it. Failing
// both, the file is the writer's as any new file would be.
void keepOwnerAndGroup(int fd, const struct stat& existing) {
    if (::fchown(fd, existing.st_uid, existing.st_gid) == 0)
        return;
    (void)::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    std::error_code ignored;
    return writeFileAtomically(file, bytes, ignored);
}

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         std::error_code& error) {
    const std::filesystem::path target = finalLinkTarget(file);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    // A rename over a device or a FIFO would take the node away, not write to it.
    // (A folder there makes the rename fail with EISDIR, as callers expect.)
    if (exists && !S_ISREG(existing.st_mode) && !S_ISDIR(existing.st_mode)) {
        error = regularFileProblem(target, UINTMAX_MAX);
        return false;
    }
    removeStaleTemporaries(target.has_parent_path() ? target.parent_path() : ".",
                           target.filename().string());
    std::string temporary;
    std::optional<RegularFile> written = createTemporary(target, temporary, error);
    if (!written)
        return false;
    const int fd = written->descriptor();
    bool ok = true;
    if (exists) {
        keepOwnerAndGroup(fd, existing);
        ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    }
    ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!ok)
        error = lastError();
    // Renamed while its lock is still held, so no sweep can take it away first.
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = lastError();
        ok = false;
    }
    if (!ok)
        ::unlink(temporary.c_str());
    if (ok)
        error.clear();
    return ok;
}

} // namespace vermil
