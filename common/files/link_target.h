#pragma once

#include <filesystem>

namespace vermil {

// The file a path finally names when its last part is a symbolic link (followed
// link by link, also to a target that does not exist yet); the path itself
// otherwise. A replacement is written beside that file and renamed there, so a
// link an administrator set up keeps pointing at the shared file.
std::filesystem::path finalLinkTarget(const std::filesystem::path& file);

} // namespace vermil
