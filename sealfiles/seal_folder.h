#pragma once

#include <string_view>

namespace vermil {

// Makes sure the seal folder (a CP932 path ending in "/") exists before a seal is
// written into it. A folder created here also gets the default layout profile,
// unless a file of that name is already there, so that new seals draw without a
// warning. False when the folder cannot be created.
bool prepareSealFolder(std::string_view sealFolder);

} // namespace vermil
