#pragma once

#include "sealfiles/seal_index.h"

#include "common/ini/ini_store.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermil {

// What the INI text of a seal index means: the seal count, the list, one seal's
// entry, and the keys a change writes. SealIndex reads and writes the file around
// these; they touch no file themselves.

// The room a caller reads a whole list name into, so that it is written back unchanged.
inline constexpr std::size_t indexWholeValueRoom = 1024;
// The room the duplicate-name checks read list names into.
inline constexpr std::size_t indexListedNameRoom = 99;

// MAIN_VRM/Number, never below 0.
int indexCount(const IniSnapshot& index);

// The names of positions 0 to count-1 (at most maxSealCount), each cut to room - 1
// bytes; an empty name for a missing list key.
std::vector<std::string> indexNames(const IniSnapshot& index, std::size_t room);

SealIndexEntry indexEntry(const IniSnapshot& index, std::string_view name, IndexReader reader);

// Why the entry may not be written into this index, or nullopt.
std::optional<EntryOutcome> indexEntryRefusal(const SealEntryWrite& entry,
                                              const IniSnapshot& index);

// The keys of one seal's whole entry, in the order they are written.
std::vector<IniWrite> indexEntryWrites(const SealEntryWrite& entry, const IniSnapshot& index);

// Password2 and Hash of a seal.
std::vector<IniWrite> indexCodeWrites(std::string_view name, std::string_view password,
                                      std::string_view sealText);

// Number and the list keys of the names that stay once `position` of `names` is taken out.
std::vector<IniWrite> indexListWritesWithout(std::vector<std::string> names, std::size_t position);

} // namespace vermil
