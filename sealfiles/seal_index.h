#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
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

// One seal's entry as a registration, an edit or an import writes it.
struct SealEntryWrite {
    bool isNew = true; // a new seal takes the next list position
    std::string_view name;
    std::string_view versionText;
    std::string_view password;
    std::string_view sealText; // the seal file exactly as written
};

enum class EntryStatus {
    Written,
    IndexFull,             // a new seal, and the index holds maxSealCount already
    NameListed,            // a new seal whose name is listed already
    NameListedInOtherCase, // a listed name differs only in letter case
    NotWritten,            // the step before the index write said no; the index is as it was
    WriteFailed,           // the index could not be written; it is as it was
};

struct EntryOutcome {
    EntryStatus status = EntryStatus::WriteFailed;
    std::string listedName; // NameListed, NameListedInOtherCase: the name in the list
    std::error_code error;  // WriteFailed: the system's reason, when there is one
};

// The seal index index.dat: the register of the seals of one seal folder, read
// through the INI store. Every change of a seal (its whole entry, a delete with
// renumbering, a password change) is one replacement of the file under the
// index's lock, so a crash, a full disk or a second program never leaves half an
// entry or loses one. Paths are CP932 texts.
class SealIndex {
public:
    explicit SealIndex(std::string indexPath);

    const std::string& path() const { return path_; }
    std::filesystem::path nativeFile() const;
    // The folder of the index followed by "/": seal files and profiles lie there.
    const std::string& sealFolder() const { return sealFolder_; }
    bool exists() const;
    // Why an index file that is there cannot be read (a directory, a FIFO, a
    // device, a file over maxIniFileBytes): an empty code when it can, or when
    // there is none yet.
    std::error_code fileProblem() const;

    int count() const;
    // The names of positions 0 to count-1, an empty entry for a missing key.
    std::vector<std::string> names() const;
    // Byte-exact, letter case significant.
    bool contains(std::string_view name) const;
    bool hasRoomFor(int moreSeals) const { return moreSeals <= maxSealCount - count(); }

    // Writes one seal's whole entry in one replacement of the index: Version, for a
    // new seal Number and its list key, then Data, Password2 and Hash over the seal
    // file text (the same bytes as one write per key in that order). The lock is
    // held from reading Number and the list to the write: a new seal is refused
    // when the index is full or its name is listed; any seal when a listed name
    // differs from it only in letter case (a new seal's exact name taken counts
    // first). `beforeWrite` runs under the lock once the checks passed, before the
    // index is replaced (the seal writer writes the seal file there); when it
    // returns false the index is not touched.
    EntryOutcome writeEntry(const SealEntryWrite& entry,
                            const std::function<bool()>& beforeWrite = {}) const;
    // The same as a result code: entryWritten, or entryWriteFailed (also for a
    // name that is not safe, then before anything is written).
    int writeEntry(bool isNew, std::string_view name, std::string_view versionText,
                   std::string_view password, std::string_view sealText) const;

    // Rewrites the two codes of a seal after its password changed, Password2 and
    // Hash in one replacement: false, with nothing changed, when the write failed.
    bool writePassword(std::string_view name, std::string_view password,
                       std::string_view sealText) const;
    bool writePassword(std::string_view name, std::string_view password, std::string_view sealText,
                       std::error_code& error) const;

    SealIndexEntry readEntry(std::string_view name,
                             IndexReader reader = IndexReader::Manager) const;

    // Removes the seal at `position` from the list: Number and the list keys of the
    // seals that stay, in one replacement under the lock (nothing changes when it
    // fails). The seal's section, its seal file and the stale last list key are kept.
    bool remove(std::size_t position) const;

    enum class RemoveOutcome { Removed, NotListed, WriteFailed };
    // The same for the seal `name` that a list showed at `position`: under the lock
    // the name is looked for at that position first, then anywhere in the list, so
    // a list that another program changed meanwhile never loses the wrong seal.
    // WriteFailed leaves the system's reason in `error` (ENOSPC for a full disk).
    RemoveOutcome remove(std::size_t position, std::string_view name, std::error_code& error) const;
    RemoveOutcome remove(std::size_t position, std::string_view name) const {
        std::error_code ignored;
        return remove(position, name, ignored);
    }

private:
    // Removes the list entry that `pick` chooses from the names as they are under
    // the lock; nullopt leaves the index as it is.
    RemoveOutcome removeListed(
        const std::function<std::optional<std::size_t>(const std::vector<std::string>&)>& pick,
        std::error_code& error) const;

    std::string path_;
    std::string sealFolder_;
};

// hash6 of the password as typed, and hash6 of the seal file text followed by it.
std::string passwordCode(std::string_view password);
std::string indexHash(std::string_view sealText, std::string_view passwordCode);

// "Vermil%04d"
std::string listKey(int position);

} // namespace vermil
