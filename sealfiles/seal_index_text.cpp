#include "sealfiles/seal_index_text.h"

#include "sealfiles/seal_name.h"

#include "common/tag_text.h"

#include <algorithm>

namespace vermil {
namespace {

constexpr std::string_view metaSection = "META_VRM";
constexpr std::string_view mainSection = "MAIN_VRM";

std::string dataValue(std::string_view name) {
    return "<Vrmfile>" + std::string(name) + ".vrm</Vrmfile>";
}

bool listed(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

int indexCount(const IniSnapshot& index) {
    // A negative count has no meaning; it must not turn into list keys such as "Vermil-005".
    return std::max(index.integer(mainSection, "Number", 0), 0);
}

std::vector<std::string> indexNames(const IniSnapshot& index, std::size_t room) {
    const int n = std::min(indexCount(index), maxSealCount);
    std::vector<std::string> list;
    list.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        list.push_back(index.string(mainSection, listKey(i), "", room));
    return list;
}

SealIndexEntry indexEntry(const IniSnapshot& index, std::string_view name, IndexReader reader) {
    const bool manager = reader == IndexReader::Manager;
    SealIndexEntry entry;
    entry.data = index.string(name, "Data", "", manager ? 1023 : 511);
    entry.vrmfile = tagText(entry.data, "Vrmfile");
    entry.password2 = index.string(name, "Password2", "", indexWholeValueRoom);
    entry.hash = index.string(name, "Hash", "", manager ? indexWholeValueRoom : 511);
    const std::string section = index.string(name, "Section", "", indexWholeValueRoom);
    entry.legacyUp1 = tagText(tagText(section, "Up1"), "Text");
    entry.legacyUp2 = tagText(tagText(section, "Up2"), "Text");
    entry.legacyDown = index.string(name, "Name", "?", indexWholeValueRoom);
    return entry;
}

std::optional<EntryOutcome> indexEntryRefusal(const SealEntryWrite& entry,
                                              const IniSnapshot& index) {
    const std::vector<std::string> names = indexNames(index, indexListedNameRoom);
    const bool exactlyListed = listed(names, entry.name);
    if (entry.isNew && exactlyListed)
        return EntryOutcome{EntryStatus::NameListed, std::string(entry.name), {}};
    if (!exactlyListed)
        for (const std::string& other : names)
            if (namesDifferOnlyInCase(other, entry.name))
                return EntryOutcome{EntryStatus::NameListedInOtherCase, other, {}};
    if (entry.isNew && indexCount(index) >= maxSealCount)
        return EntryOutcome{EntryStatus::IndexFull, {}, {}};
    return std::nullopt;
}

std::vector<IniWrite> indexCodeWrites(std::string_view name, std::string_view password,
                                      std::string_view sealText) {
    const std::string code = passwordCode(password);
    return {{std::string(name), "Password2", code},
            {std::string(name), "Hash", indexHash(sealText, code)}};
}

std::vector<IniWrite> indexEntryWrites(const SealEntryWrite& entry, const IniSnapshot& index) {
    std::vector<IniWrite> writes{
        {std::string(metaSection), "Version", std::string(entry.versionText)}};
    if (entry.isNew) {
        const int n = indexCount(index);
        writes.push_back({std::string(mainSection), "Number", std::to_string(n + 1)});
        writes.push_back({std::string(mainSection), listKey(n), std::string(entry.name)});
    }
    writes.push_back({std::string(entry.name), "Data", dataValue(entry.name)});
    for (IniWrite& write : indexCodeWrites(entry.name, entry.password, entry.sealText))
        writes.push_back(std::move(write));
    return writes;
}

std::vector<IniWrite> indexListWritesWithout(std::vector<std::string> names, std::size_t position) {
    names.erase(names.begin() + static_cast<std::ptrdiff_t>(position));
    std::vector<IniWrite> writes{
        {std::string(mainSection), "Number", std::to_string(names.size())}};
    for (std::size_t i = 0; i < names.size(); ++i)
        writes.push_back({std::string(mainSection), listKey(static_cast<int>(i)), names[i]});
    return writes;
}

} // namespace vermil
