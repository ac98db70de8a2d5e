#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vermil {

// Atomic replacement writes "." + file name + ".tmp" + process id + "_" + attempt
// beside the file it replaces. A writer that is killed leaves its temporary
// behind; these helpers name temporaries and sweep up the ones nobody writes any more.

std::filesystem::path temporaryPath(const std::filesystem::path& file, int attempt);

// True for a name that a writer of `fileName` gives its temporaries; with an empty
// fileName, for the temporary of any file.
bool isTemporaryName(std::string_view name, std::string_view fileName = {});

// Removes the temporaries in `folder` (of `fileName`, or of every file when it is
// empty) whose writer is gone: no one holds the lock a writer keeps on its
// temporary, and no process of the id in its name still runs. Nothing else in the
// folder is touched; failures are ignored, a later write tries again.
void removeStaleTemporaries(const std::filesystem::path& folder, std::string_view fileName = {});

} // namespace vermil
