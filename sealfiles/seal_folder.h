#pragma once

#include <string_view>
#include <system_error>

namespace vermil {

// Makes sure the seal folder (a CP932 path ending in "/") exists before a seal is
// written into it, and that it holds the default layout profile: a folder that
// lacks a file of that name (new, or one whose first write failed) gets it, so
// that every seal that names it draws without a warning. False, with the
// system's reason in `error`, when the folder or the profile cannot be written.
bool prepareSealFolder(std::string_view sealFolder);
bool prepareSealFolder(std::string_view sealFolder, std::error_code& error);

} // namespace vermil
