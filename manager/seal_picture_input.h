#pragma once

#include "render/date_local_time.h"
#include "render/seal_drawing_input.h"

#include <string_view>

namespace vermil {

struct ShownSeal;

// What the seal painter draws for a seal of the manager's list: its texts, the
// date of `time` in its date format, its fonts (the seal file's, else its
// profile's), the layout of its profile in the seal folder (the built-in one when
// the profile cannot be read; the manager says nothing about it) and its ink
// colour from the colour file.
SealDrawingInput sealPictureInput(const ShownSeal& seal, std::string_view sealFolder,
                                  std::uint32_t colour, StampingTime time);

} // namespace vermil
