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
#include <utility>

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
    std::optional<PreparedReplacement> prepared = PreparedReplacement::prepare(file, bytes, error);
    return prepared && prepared->commit(error);
}

std::optional<PreparedReplacement> PreparedReplacement::prepare(const std::filesystem::path& file,
                                                                std::string_view bytes,
                                                                std::error_code& error) {
    std::filesystem::path target = finalLinkTarget(file);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    // A rename over a device or a FIFO would take the node away, not write to it;
    // over a folder it fails, but only once the other files of a change may be in
    // place: both are refused before anything is written.
    if (exists && S_ISDIR(existing.st_mode)) {
        error = std::make_error_code(std::errc::is_a_directory);
        return std::nullopt;
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        error = regularFileProblem(target, UINTMAX_MAX);
        return std::nullopt;
    }
    removeStaleTemporaries(target.has_parent_path() ? target.parent_path() : ".",
                           target.filename().string());
    std::string temporary;
    std::optional<RegularFile> written = createTemporary(target, temporary, error);
    if (!written)
        return std::nullopt;
    const int fd = written->descriptor();
    bool ok = true;
    if (exists) {
        keepOwnerAndGroup(fd, existing);
        ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    }
    ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (!ok) {
        error = lastError();
        ::unlink(temporary.c_str());
        return std::nullopt;
    }
    error.clear();
    return PreparedReplacement(std::move(target), std::move(temporary), std::move(*written));
}

PreparedReplacement::PreparedReplacement(PreparedReplacement&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::exchange(other.temporary_, {})),
      file_(std::move(other.file_)) {}

PreparedReplacement& PreparedReplacement::operator=(PreparedReplacement&& other) noexcept {
    if (this != &other) {
        discard();
        target_ = std::move(other.target_);
        temporary_ = std::exchange(other.temporary_, {});
        file_ = std::move(other.file_);
    }
    return *this;
}

PreparedReplacement::~PreparedReplacement() {
    discard();
}

void PreparedReplacement::discard() {
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool PreparedReplacement::commit(std::error_code& error) {
    // Renamed while its lock is still held, so no sweep can take it away first.
    if (temporary_.empty() || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error =
            temporary_.empty() ? std::make_error_code(std::errc::invalid_argument) : lastError();
        return false;
    }
    temporary_.clear();
    file_ = RegularFile();
    error.clear();
    return true;
}

} // namespace vermil
