#pragma once

#include "common/language.h"

#include <filesystem>
#include <string>

namespace vermil {

// The stamping program's class registration in its Linux form: a desktop entry
// that opens stamp object files (*.vrs) with "vermilin -Embedding", and a
// shared-mime-info type for them, both under the user's data folder. They record
// the class identifier, programmatic identifier and type name of the server.
namespace registration {
inline constexpr const char* classId = "{36593300-C9D9-101C-A998-FE1AF6F9D52A}";
inline constexpr const char* progId = "Vermil.Document";
inline constexpr const char* typeName = "Vermil Document";
inline constexpr const char* mimeType = "application/x-vermil-stamp";
inline constexpr const char* desktopFileName = "vermil-stamp.desktop";
inline constexpr const char* mimePackageName = "vermil-stamp.xml";
} // namespace registration

// The registry type name of the language: "Ombrel Sarne 日付印Vermil" (Japanese),
// "Ombrel Sarne Vermil" (English). UTF-8.
std::string registryTypeName(Language language);

// The two files' texts, UTF-8.
std::string desktopEntryText(Language language);
std::string mimePackageText();

// Where they lie under a data folder ($XDG_DATA_HOME).
std::filesystem::path desktopEntryPath(const std::filesystem::path& dataHome);
std::filesystem::path mimePackagePath(const std::filesystem::path& dataHome);

// $XDG_DATA_HOME, else ~/.local/share.
std::filesystem::path userDataHome();

struct RegistrationResult {
    bool changed = false; // a file was written or removed
    std::string error;    // empty on success; else names the file
};

// Writes both files when one is missing or differs from what this program
// writes (each in one step), then refreshes the desktop's caches with
// update-mime-database and update-desktop-database when they are installed.
RegistrationResult registerServer(const std::filesystem::path& dataHome, Language language);
// Removes both files (a missing one is no error) and refreshes the caches.
RegistrationResult unregisterServer(const std::filesystem::path& dataHome);

} // namespace vermil
