#pragma once

#include "common/language.h"
#include "stamper/stamping/stamp_output.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vermil {

class FileChooser;
class Prompter;

// Where a stamped PDF goes: the PDF window's output step of the stamping
// transaction. The save dialog proposes proposedStampedPdfPath beside `input`;
// the dialog itself asks before it lets a file be replaced, so the input is
// overwritten only when the user picks it there. The stamp is logged only once
// the stamped PDF is written, so nothing is lost when it is not: a cancelled
// save dialog ends the stamp without a question, and a failed write says why
// and that nothing was stamped.
class StampedPdfSaving : public StampOutput {
public:
    StampedPdfSaving(std::string bytes, std::filesystem::path input, Language language,
                     Prompter& prompter, FileChooser& chooser);
    // The save dialog, then the file written as a whole; false when cancelled or not written.
    bool write() override;
    // The file written; nullopt before write() and when nothing was written.
    const std::optional<std::filesystem::path>& saved() const { return saved_; }
    // True when the user cancelled the save dialog.
    bool cancelled() const { return cancelled_; }

private:
    std::string bytes_;
    std::filesystem::path input_;
    Language language_;
    Prompter& prompter_;
    FileChooser& chooser_;
    std::optional<std::filesystem::path> saved_;
    bool cancelled_ = false;
};

} // namespace vermil
