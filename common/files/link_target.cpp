#include "common/files/link_target.h"

namespace vermil {
namespace {
// As many links as the system itself follows before it gives up (ELOOP).
constexpr int maxLinkHops = 40;
} // namespace

std::filesystem::path finalLinkTarget(const std::filesystem::path& file) {
    std::filesystem::path current = file;
    for (int hop = 0; hop < maxLinkHops; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, ec)) || ec)
            return current;
        const std::filesystem::path link = std::filesystem::read_symlink(current, ec);
        if (ec)
            return current;
        // Not normalised: ".." after a linked folder must mean what it means to the system.
        current = link.is_absolute() ? link : current.parent_path() / link;
    }
    return current;
}

} // namespace vermil
