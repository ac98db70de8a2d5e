#pragma once

#include "common/language.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace vermil {

class FileChooser;
class Prompter;

// Where a stamped PDF goes. The save dialog proposes proposedStampedPdfPath
// beside `input`; the dialog itself asks before it lets a file be replaced, so
// the input is overwritten only when the user picks it there. The stamp is
// logged already, so nothing is dropped without asking: a cancelled save dialog
// asks whether to discard the PDF (No opens the save dialog again), and a failed
// write says why and opens it again. The file written, or nullopt when the user
// chose to discard it.
std::optional<std::filesystem::path> saveStampedPdf(std::string_view bytes,
                                                    const std::filesystem::path& input,
                                                    Language language, Prompter& prompter,
                                                    FileChooser& chooser);

} // namespace vermil
