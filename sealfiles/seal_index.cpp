#include "seal_index.h"

#include "seal_name.h"

#include "common/cp932.h"
#include "common/files/regular_file.h"
#include "common/hanko_folders.h"
#include "common/ini/ini_store.h"
#include "common/keyed_hash.h"
#include "common/tag_text.h"

#include <algorithm>
#include <cstdio>

namespace vermil {
namespace {

constexpr std::string_view metaSection = "META_VRM";
constexpr std::string_view mainSection = "MAIN_VRM";
constexpr std::size_t nameRoom = 49;     // the seal lists' room for one name
constexpr std::size_t containsRoom = 99; // the duplicate test's room
constexpr std::size_t wideRoom = 1024;

std::string dataValue(std::string_view name) {
    return "<Vrmfile>" + std::string(name) + ".vrm</Vrmfile>";
}

int countIn(const IniSnapshot& index) {
    // A negative count has no meaning; it must not turn into list keys such as "Vermil-005".
    return std::max(index.integer(mainSection, "Number", 0), 0);
}

std::vector<std::string> namesIn(const IniSnapshot& index, std::size_t room) {
    const int n = std::min(countIn(index), maxSealCount);
    std::vector<std::string> list;
    list.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        list.push_back(index.string(mainSection, listKey(i), "", room));
    return list;
}

bool listed(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Why the entry may not be written into this index, or nullopt.
std::optional<EntryOutcome> refusalFor(const SealEntryWrite& entry, const IniSnapshot& index) {
    const std::vector<std::string> names = namesIn(index, containsRoom);
    const bool exactlyListed = listed(names, entry.name);
    if (entry.isNew && exactlyListed)
        return EntryOutcome{EntryStatus::NameListed, std::string(entry.name), {}};
    if (!exactlyListed)
        for (const std::string& other : names)
            if (namesDifferOnlyInCase(other, entry.name))
                return EntryOutcome{EntryStatus::NameListedInOtherCase, other, {}};
    if (entry.isNew && countIn(index) >= maxSealCount)
        return EntryOutcome{EntryStatus::IndexFull, {}, {}};
    return std::nullopt;
}

std::vector<IniWrite> codeWrites(std::string_view name, std::string_view password,
                                 std::string_view sealText) {
    const std::string code = passwordCode(password);
    return {{std::string(name), "Password2", code},
            {std::string(name), "Hash", indexHash(sealText, code)}};
}

std::vector<IniWrite> entryWrites(const SealEntryWrite& entry, const IniSnapshot& index) {
    std::vector<IniWrite> writes{
        {std::string(metaSection), "Version", std::string(entry.versionText)}};
    if (entry.isNew) {
        const int n = countIn(index);
        writes.push_back({std::string(mainSection), "Number", std::to_string(n + 1)});
        writes.push_back({std::string(mainSection), listKey(n), std::string(entry.name)});
    }
    writes.push_back({std::string(entry.name), "Data", dataValue(entry.name)});
    for (IniWrite& write : codeWrites(entry.name, entry.password, entry.sealText))
        writes.push_back(std::move(write));
    return writes;
}

} // namespace

std::string passwordCode(std::string_view password) {
    return hash6(password, hashkeys::passwordCode);
}

std::string indexHash(std::string_view sealText, std::string_view code) {
    std::string joined(sealText);
    joined.append(code);
    return hash6(joined, hashkeys::indexHash);
}

std::string listKey(int position) {
    char key[24];
    std::snprintf(key, sizeof key, "Vermil%04d", position);
    return key;
}

SealIndex::SealIndex(std::string indexPath)
    : path_(std::move(indexPath)), sealFolder_(sealFolderOf(path_)) {}

std::filesystem::path SealIndex::nativeFile() const {
    return nativePath(path_);
}

bool SealIndex::exists() const {
    return indexFileExists(path_);
}

std::error_code SealIndex::fileProblem() const {
    const std::error_code problem = regularFileProblem(nativeFile(), maxIniFileBytes);
    return problem == std::errc::no_such_file_or_directory ? std::error_code() : problem;
}

int SealIndex::count() const {
    return countIn(readIniFile(nativeFile()));
}

std::vector<std::string> SealIndex::names() const {
    return namesIn(readIniFile(nativeFile()), nameRoom);
}

bool SealIndex::contains(std::string_view name) const {
    return listed(namesIn(readIniFile(nativeFile()), containsRoom), name);
}

EntryOutcome SealIndex::writeEntry(const SealEntryWrite& entry,
                                   const std::function<bool()>& beforeWrite) const {
    if (sealNameProblem(entry.name))
        return {};
    EntryOutcome outcome{EntryStatus::Written, {}, {}};
    const IniWriteOutcome written = updateIniFile(
        nativeFile(), [&](const IniSnapshot& index) -> std::optional<std::vector<IniWrite>> {
            if (auto refusal = refusalFor(entry, index)) {
                outcome = std::move(*refusal);
                return std::nullopt;
            }
            if (beforeWrite && !beforeWrite()) {
                outcome.status = EntryStatus::NotWritten;
                return std::nullopt;
            }
            return entryWrites(entry, index);
        });
    if (written.status == IniWriteOutcome::Status::Failed)
        return {EntryStatus::WriteFailed, {}, written.error};
    return outcome;
}

int SealIndex::writeEntry(bool isNew, std::string_view name, std::string_view versionText,
                          std::string_view password, std::string_view sealText) const {
    return writeEntry(SealEntryWrite{isNew, name, versionText, password, sealText}).status ==
                   EntryStatus::Written
               ? entryWritten
               : entryWriteFailed;
}

bool SealIndex::writePassword(std::string_view name, std::string_view password,
                              std::string_view sealText) const {
    std::error_code ignored;
    return writePassword(name, password, sealText, ignored);
}

bool SealIndex::writePassword(std::string_view name, std::string_view password,
                              std::string_view sealText, std::error_code& error) const {
    if (sealNameProblem(name))
        return false;
    const IniWriteOutcome written =
        writeIniStrings(nativeFile(), codeWrites(name, password, sealText));
    error = written.error;
    return written.written();
}

SealIndexEntry SealIndex::readEntry(std::string_view name, IndexReader reader) const {
    const bool manager = reader == IndexReader::Manager;
    const IniSnapshot index = readIniFile(nativeFile());
    SealIndexEntry entry;
    entry.data = index.string(name, "Data", "", manager ? 1023 : 511);
    entry.vrmfile = tagText(entry.data, "Vrmfile");
    entry.password2 = index.string(name, "Password2", "", wideRoom);
    entry.hash = index.string(name, "Hash", "", manager ? wideRoom : 511);
    const std::string section = index.string(name, "Section", "", wideRoom);
    entry.legacyUp1 = tagText(tagText(section, "Up1"), "Text");
    entry.legacyUp2 = tagText(tagText(section, "Up2"), "Text");
    entry.legacyDown = index.string(name, "Name", "?", wideRoom);
    return entry;
}

bool SealIndex::remove(std::size_t position) const {
    return removeListed([position](const std::vector<std::string>& list) {
               return position < list.size() ? std::optional<std::size_t>(position) : std::nullopt;
           }) == RemoveOutcome::Removed;
}

SealIndex::RemoveOutcome SealIndex::remove(std::size_t position, std::string_view name) const {
    return removeListed([position, name](const std::vector<std::string>& list) {
        if (position < list.size() && list[position] == name)
            return std::optional<std::size_t>(position);
        const auto at = std::find(list.begin(), list.end(), name);
        return at == list.end() ? std::nullopt : std::optional<std::size_t>(at - list.begin());
    });
}

SealIndex::RemoveOutcome SealIndex::removeListed(
    const std::function<std::optional<std::size_t>(const std::vector<std::string>&)>& pick) const {
    if (!exists())
        return RemoveOutcome::NotListed;
    bool found = false;
    const IniWriteOutcome written = updateIniFile(
        nativeFile(), [&](const IniSnapshot& index) -> std::optional<std::vector<IniWrite>> {
            // Read whole, so that the names that stay are written back unchanged.
            std::vector<std::string> list = namesIn(index, wideRoom);
            const std::optional<std::size_t> position = pick(list);
            if (!position)
                return std::nullopt;
            found = true;
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(*position));
            std::vector<IniWrite> writes{
                {std::string(mainSection), "Number", std::to_string(list.size())}};
            for (std::size_t i = 0; i < list.size(); ++i)
                writes.push_back({std::string(mainSection), listKey(static_cast<int>(i)), list[i]});
            return writes;
        });
    if (!found)
        return RemoveOutcome::NotListed;
    return written.written() ? RemoveOutcome::Removed : RemoveOutcome::WriteFailed;
}

} // namespace vermil
