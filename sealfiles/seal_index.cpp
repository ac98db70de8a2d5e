#include "seal_index.h"

#include "seal_name.h"

#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/ini_store.h"
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

bool SealIndex::write(std::string_view section, std::string_view key,
                      std::string_view value) const {
    return writeIniString(nativeFile(), section, key, value);
}

std::string SealIndex::read(std::string_view section, std::string_view key,
                            std::string_view fallback, std::size_t bufferSize) const {
    return readIniString(nativeFile(), section, key, fallback, bufferSize);
}

int SealIndex::count() const {
    // A negative count has no meaning; it must not turn into list keys such as "Vermil-005".
    return std::max(readIniInt(nativeFile(), mainSection, "Number", 0), 0);
}

std::vector<std::string> SealIndex::names() const {
    const int n = std::min(count(), maxSealCount);
    std::vector<std::string> list;
    list.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i)
        list.push_back(read(mainSection, listKey(i), "", nameRoom));
    return list;
}

bool SealIndex::contains(std::string_view name) const {
    const int n = std::min(count(), maxSealCount);
    for (int i = 0; i < n; ++i)
        if (read(mainSection, listKey(i), "", containsRoom) == name)
            return true;
    return false;
}

int SealIndex::writeEntry(bool isNew, std::string_view name, std::string_view versionText,
                          std::string_view password, std::string_view sealText) const {
    if (sealNameProblem(name))
        return entryWriteFailed;
    if (!write(metaSection, "Version", versionText))
        return entryWriteFailed;
    if (isNew) {
        const int n = count();
        if (!write(mainSection, "Number", std::to_string(static_cast<long long>(n) + 1)) ||
            !write(mainSection, listKey(n), name))
            return entryWriteFailed;
    }
    const std::string code = passwordCode(password);
    if (!write(name, "Data", dataValue(name)) || !write(name, "Password2", code) ||
        !write(name, "Hash", indexHash(sealText, code)))
        return entryWriteFailed;
    return entryWritten;
}

bool SealIndex::writePassword(std::string_view name, std::string_view password,
                              std::string_view sealText) const {
    if (sealNameProblem(name))
        return false;
    const std::string code = passwordCode(password);
    return write(name, "Password2", code) && write(name, "Hash", indexHash(sealText, code));
}

SealIndexEntry SealIndex::readEntry(std::string_view name, IndexReader reader) const {
    const bool manager = reader == IndexReader::Manager;
    SealIndexEntry entry;
    entry.data = read(name, "Data", "", manager ? 1023 : 511);
    entry.vrmfile = tagText(entry.data, "Vrmfile");
    entry.password2 = read(name, "Password2", "", wideRoom);
    entry.hash = read(name, "Hash", "", manager ? wideRoom : 511);
    const std::string section = read(name, "Section", "", wideRoom);
    entry.legacyUp1 = tagText(tagText(section, "Up1"), "Text");
    entry.legacyUp2 = tagText(tagText(section, "Up2"), "Text");
    entry.legacyDown = read(name, "Name", "?", wideRoom);
    return entry;
}

bool SealIndex::remove(std::size_t position) const {
    std::vector<std::string> list = names();
    if (position >= list.size())
        return false;
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(position));
    if (!write(mainSection, "Number", std::to_string(list.size())))
        return false;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (!write(mainSection, listKey(static_cast<int>(i)), list[i]))
            return false;
    return true;
}

} // namespace vermil
