// Reads arbitrary text as a seal index: its count, list and entries, and what a
// registration and a removal would write into it. What is written must read back
// as the change meant, and the other seals must read as before.
#include "sealfiles/seal_index.h"
#include "sealfiles/seal_index_text.h"
#include "sealfiles/seal_name.h"

#include "common/ini/ini_syntax.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vermil::IniSnapshot;

void require(bool property) {
    if (!property)
        __builtin_trap();
}

std::optional<IniSnapshot> applied(const IniSnapshot& index,
                                   const std::vector<vermil::IniWrite>& writes) {
    auto content = vermil::iniReplaceAll(index.content(), writes);
    if (!content)
        return std::nullopt;
    return IniSnapshot(std::move(*content));
}

void checkList(const IniSnapshot& index) {
    const int count = vermil::indexCount(index);
    require(count >= 0);
    for (const std::size_t room : {std::size_t{1}, vermil::indexWholeValueRoom}) {
        const std::vector<std::string> names = vermil::indexNames(index, room);
        require(names.size() == static_cast<std::size_t>(std::min(count, vermil::maxSealCount)));
        for (const std::string& name : names)
            require(name.size() < room);
    }
}

// A new seal: refused exactly when the list says so; written, it is the last of
// the list and its entry reads back its codes.
void checkRegistration(const IniSnapshot& index, std::string_view name) {
    const vermil::SealEntryWrite entry{true, name, "2.0", "PW", "<Seal/>"};
    const auto before = vermil::indexNames(index, vermil::indexWholeValueRoom);
    const auto listedBefore = vermil::indexNames(index, vermil::indexListedNameRoom);
    const auto refusal = vermil::indexEntryRefusal(entry, index);
    const bool listed =
        std::find(listedBefore.begin(), listedBefore.end(), name) != listedBefore.end();
    if (listed)
        require(refusal && refusal->status == vermil::EntryStatus::NameListed);
    if (!refusal) {
        require(vermil::indexCount(index) < vermil::maxSealCount);
    } else if (refusal->status == vermil::EntryStatus::IndexFull) {
        require(vermil::indexCount(index) >= vermil::maxSealCount);
        return;
    } else {
        require(std::find(listedBefore.begin(), listedBefore.end(), refusal->listedName) !=
                listedBefore.end());
        return;
    }

    const auto after = applied(index, vermil::indexEntryWrites(entry, index));
    require(after.has_value());
    require(vermil::indexCount(*after) == vermil::indexCount(index) + 1);
    auto expected = before;
    expected.push_back(std::string(name));
    require(vermil::indexNames(*after, vermil::indexWholeValueRoom) == expected);
    const vermil::SealIndexEntry read =
        vermil::indexEntry(*after, name, vermil::IndexReader::StampingProgram);
    require(read.vrmfile == std::string(name) + ".vrm");
    require(read.password2 == vermil::passwordCode("PW"));
    require(read.hash == vermil::indexHash("<Seal/>", read.password2));
}

// Taking one seal out leaves the others in their order, and the count one less.
void checkRemoval(const IniSnapshot& index, std::size_t position) {
    const auto names = vermil::indexNames(index, vermil::indexWholeValueRoom);
    if (position >= names.size())
        return;
    const auto after = applied(index, vermil::indexListWritesWithout(names, position));
    if (!after)
        return; // a name that cannot stand on one line again: the removal writes nothing
    auto expected = names;
    expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(position));
    require(vermil::indexCount(*after) == static_cast<int>(expected.size()));
    require(vermil::indexNames(*after, vermil::indexWholeValueRoom) == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const IniSnapshot index(std::string(reinterpret_cast<const char*>(data), size));
    checkList(index);
    const auto names = vermil::indexNames(index, vermil::indexWholeValueRoom);
    // Every lookup reads the whole text again: the entries of a few seals are enough.
    for (std::size_t i = 0; i < std::min(names.size(), std::size_t{3}); ++i)
        for (const auto reader :
             {vermil::IndexReader::Manager, vermil::IndexReader::StampingProgram}) {
            // Each reader takes Data into its own room: 1023 bytes, or 511.
            const vermil::SealIndexEntry entry = vermil::indexEntry(index, names[i], reader);
            require(entry.data.size() < (reader == vermil::IndexReader::Manager ? 1023u : 511u));
            require(entry.vrmfile.size() < entry.data.size() || entry.vrmfile.empty());
        }
    // A fixed new name, one in the other letter case of a listed one, and a listed one.
    std::vector<std::string> candidates{"NEWSEAL", "\x88\xf3"};
    if (!names.empty()) {
        std::string other = names.front();
        for (char& c : other)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
            else if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        candidates.push_back(other);
        candidates.push_back(names.front());
    }
    for (const std::string& name : candidates)
        if (!vermil::sealNameProblem(name))
            checkRegistration(index, name);
    checkRemoval(index, 0);
    if (names.size() > 1)
        checkRemoval(index, names.size() - 1);
    return 0;
}
