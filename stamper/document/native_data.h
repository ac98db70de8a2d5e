#pragma once

#include "stamper/document/native_data_archive.h"
#include "stamper/document/stamp_record.h"

#include <string>
#include <string_view>

namespace vermil {

// The native data of a stamp: thirteen items in a fixed order (approver name,
// section, approval date, comment, lower text, upper texts tagged, seal date text,
// document number, stamp type code, seal file text, font text, information text,
// stored profile text), as the container keeps it with its document.

// Rebuilds the tag texts and the stamp type code of `stamp` from its fields, then
// writes the items. Throws NativeDataError when a text exceeds maxNativeTextBytes.
std::string writeNativeData(StampRecord& stamp);

// Reads the items into `stamp` and derives the drawing fields, shape, colour,
// recorded machine, user and version, and the seal size. Throws NativeDataError
// for data that is short, oversized, has bytes after the last item, or holds a
// text without a CP932 form; `stamp` is then left as it was.
void readNativeData(std::string_view bytes, StampRecord& stamp);

// The same into a fresh record: what a stored stamp shows without a running program.
StampRecord readNativeData(std::string_view bytes);

} // namespace vermil
