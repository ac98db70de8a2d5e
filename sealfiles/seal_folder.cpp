#include "seal_folder.h"

#include "common/files/atomic_file.h"
#include "default_profile.h"
#include "layout_profile.h"
#include "seal_definition.h"

#include "common/cp932.h"

#include <filesystem>

namespace vermil {

bool prepareSealFolder(std::string_view sealFolder) {
    std::error_code ignored;
    return prepareSealFolder(sealFolder, ignored);
}

bool prepareSealFolder(std::string_view sealFolder, std::error_code& error) {
    const std::filesystem::path folder = nativePath(sealFolder);
    error.clear();
    if (!std::filesystem::is_directory(folder, error) &&
        !std::filesystem::create_directories(folder, error) &&
        !std::filesystem::is_directory(folder)) {
        if (!error)
            error = std::make_error_code(std::errc::not_a_directory);
        return false;
    }
    error.clear();
    const std::filesystem::path profile = nativePath(profilePath(sealFolder, defaultProfileName));
    // A link to a shared profile counts as there, even while its target is away.
    if (std::filesystem::exists(std::filesystem::symlink_status(profile, error)))
        return true;
    error.clear();
    return writeFileAtomically(profile, defaultProfileBytes(), error);
}

} // namespace vermil
