#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vermil {

// An index holds at most this many seals.
inline constexpr int maxSealCount = 100;

inline constexpr int entryWritten = 0;
inline constexpr int entryWriteFailed = -2;

// How much of each key a reader takes: the manager reads Data into 1023 bytes of
// room, the stamping program into 511.
enum class IndexReader { Manager, StampingProgram };

// One seal's section of the index. A current entry names its seal file in Data;
// an older one keeps the texts in Section and Name.
struct SealIndexEntry {
    std::string data;
    std::string vrmfile; // the Vrmfile element of Data; empty for an older entry
    std::string password2;
    std::string hash;
    std::string legacyUp1;  // Section: Up1/Text
    std::string legacyUp2;  // Section: Up2/Text
    std::string legacyDown; // Name, "?" when missing
};

// The seal index index.dat: the register of the seals of one seal folder, read and
// written one key at a time through the INI store. Paths are CP932 texts.
class SealIndex {
public:
    explicit SealIndex(std::string indexPath);

    const std::string& path() const { return path_; }
    std::filesystem::path nativeFile() const;
    // The folder of the index followed by "/": seal files and profiles lie there.
    const std::string& sealFolder() const { return sealFolder_; }
    bool exists() const;

    int count() const;
    // The names of positions 0 to count-1, an empty entry for a missing key.
    std::vector<std::string> names() const;
    // Byte-exact, letter case significant.
    bool contains(std::string_view name) const;
    bool hasRoomFor(int moreSeals) const { return moreSeals <= maxSealCount - count(); }

    // Writes Version, for a new seal Number and its list key, then Data, Password2
    // and Hash over the seal file text, stopping at the first failed write.
    // entryWritten, or entryWriteFailed (also for a name that is not safe, then
    // before anything is written).
    int writeEntry(bool isNew, std::string_view name, std::string_view versionText,
                   std::string_view password, std::string_view sealText) const;

    // Rewrites the two codes of a seal after its password changed.
    bool writePassword(std::string_view name, std::string_view password,
                       std::string_view sealText) const;

    SealIndexEntry readEntry(std::string_view name,
                             IndexReader reader = IndexReader::Manager) const;

    // Removes the seal at `position` from the list: Number first (nothing else
    // changes when that write fails), then the list keys of the seals that stay.
    // The seal's section, its seal file and the stale last list key are kept.
    bool remove(std::size_t position) const;

private:
    bool write(std::string_view section, std::string_view key, std::string_view value) const;
    std::string read(std::string_view section, std::string_view key, std::string_view fallback,
                     std::size_t bufferSize) const;

    std::string path_;
    std::string sealFolder_;
};

// hash6 of the password as typed, and hash6 of the seal file text followed by it.
std::string passwordCode(std::string_view password);
std::string indexHash(std::string_view sealText, std::string_view passwordCode);

// "Vermil%04d"
std::string listKey(int position);

} // namespace vermil
