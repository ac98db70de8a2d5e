#include "seal_folder.h"

#include "common/atomic_file.h"
#include "default_profile.h"
#include "layout_profile.h"
#include "seal_definition.h"

#include "common/cp932.h"

#include <filesystem>

namespace vermil {

bool prepareSealFolder(std::string_view sealFolder) {
    const std::filesystem::path folder = nativePath(sealFolder);
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec))
        return true;
    if (!std::filesystem::create_directories(folder, ec) && !std::filesystem::is_directory(folder))
        return false;
    const std::filesystem::path profile = nativePath(profilePath(sealFolder, defaultProfileName));
    if (!std::filesystem::exists(profile, ec))
        writeFileAtomically(profile, defaultProfileBytes());
    return true;
}

} // namespace vermil
