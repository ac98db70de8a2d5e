#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vermil {

class CVermilinSrvrItem;

// The file-based embedding: a stamp object kept in FILE (its native data), with
// the presentation pictures FILE.svg and FILE.png beside it.

// What FILE holds, read and checked before the program builds anything on it.
struct EmbeddedObjectRead {
    bool ok = false;
    // The native data; empty for a new object (FILE missing or empty).
    std::string nativeData;
    // Why FILE cannot be used, fit for the terminal (UTF-8); FILE is left alone.
    std::string error;
};
EmbeddedObjectRead readEmbeddedObject(const std::filesystem::path& file);

// Writes the item's native data to FILE in one step, then its pictures. An empty
// text on success, else what went wrong, naming the file.
std::string writeEmbeddedObject(CVermilinSrvrItem& item, const std::filesystem::path& file);

} // namespace vermil
