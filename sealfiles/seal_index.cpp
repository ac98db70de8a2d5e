#include "seal_index.h"

#include "seal_index_text.h"

#include "seal_name.h"

#include "common/cp932.h"
#include "common/files/regular_file.h"
#include "common/hanko_folders.h"
#include "common/ini/ini_store.h"
#include "common/keyed_hash.h"

#include <algorithm>
#include <cstdio>

namespace vermil {
namespace {

constexpr std::size_t nameRoom = 49; // the seal lists' room for one name

bool listed(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
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
    return indexCount(readIniFile(nativeFile()));
}

std::vector<std::string> SealIndex::names() const {
    return indexNames(readIniFile(nativeFile()), nameRoom);
}

bool SealIndex::contains(std::string_view name) const {
    return listed(indexNames(readIniFile(nativeFile()), indexListedNameRoom), name);
}

EntryOutcome SealIndex::writeEntry(const SealEntryWrite& entry,
                                   const std::function<bool()>& beforeWrite) const {
    if (sealNameProblem(entry.name))
        return {};
    EntryOutcome outcome{EntryStatus::Written, {}, {}};
    const IniWriteOutcome written = updateIniFile(
        nativeFile(), [&](const IniSnapshot& index) -> std::optional<std::vector<IniWrite>> {
            if (auto refusal = indexEntryRefusal(entry, index)) {
                outcome = std::move(*refusal);
                return std::nullopt;
            }
            if (beforeWrite && !beforeWrite()) {
                outcome.status = EntryStatus::NotWritten;
                return std::nullopt;
            }
            return indexEntryWrites(entry, index);
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
        writeIniStrings(nativeFile(), indexCodeWrites(name, password, sealText));
    error = written.error;
    return written.written();
}

SealIndexEntry SealIndex::readEntry(std::string_view name, IndexReader reader) const {
    return indexEntry(readIniFile(nativeFile()), name, reader);
}

bool SealIndex::remove(std::size_t position) const {
    std::error_code ignored;
    return removeListed(
               [position](const std::vector<std::string>& list) {
                   return position < list.size() ? std::optional<std::size_t>(position)
                                                 : std::nullopt;
               },
               ignored) == RemoveOutcome::Removed;
}

SealIndex::RemoveOutcome SealIndex::remove(std::size_t position, std::string_view name,
                                           std::error_code& error) const {
    return removeListed(
        [position, name](const std::vector<std::string>& list) {
            if (position < list.size() && list[position] == name)
                return std::optional<std::size_t>(position);
            const auto at = std::find(list.begin(), list.end(), name);
            return at == list.end() ? std::nullopt : std::optional<std::size_t>(at - list.begin());
        },
        error);
}

SealIndex::RemoveOutcome SealIndex::removeListed(
    const std::function<std::optional<std::size_t>(const std::vector<std::string>&)>& pick,
    std::error_code& error) const {
    if (!exists())
        return RemoveOutcome::NotListed;
    bool found = false;
    const IniWriteOutcome written = updateIniFile(
        nativeFile(), [&](const IniSnapshot& index) -> std::optional<std::vector<IniWrite>> {
            // Read whole, so that the names that stay are written back unchanged.
            const std::vector<std::string> list = indexNames(index, indexWholeValueRoom);
            const std::optional<std::size_t> position = pick(list);
            if (!position)
                return std::nullopt;
            found = true;
            return indexListWritesWithout(list, *position);
        });
    if (!found)
        return RemoveOutcome::NotListed;
    error = written.error;
    return written.written() ? RemoveOutcome::Removed : RemoveOutcome::WriteFailed;
}

} // namespace vermil
