#pragma once

#include "sealfiles/seal_fonts.h"

#include <QString>

#include <array>
#include <cstddef>
#include <optional>

namespace vermil {

class FontChooser;
class Prompter;

// The four text lines of a seal, in the order the detail dialog shows them.
enum class FontLine { Up2, Up1, Date, Low1 };

// The platform's limit for a face name handed to its font chooser.
inline constexpr std::size_t maxFaceNameBytes = 31;

// The size the detail dialog proposes for a line whose stored size reads as 0:
// 12 for the date; for the other lines one from the length in bytes of the
// line's own text, the longer the smaller (10 for an empty text).
int proposedFontSize(FontLine line, std::size_t textBytes);

// One line as the dialog shows it.
struct FontLineState {
    QString name;
    int size = 0;
    bool bold = false;
};

// The font detail dialog without its widgets: the face name, size and bold flag
// of each text line of the seal being registered or edited. It starts from the
// stored fonts; OK gives them back as the seal file stores them, Cancel is simply
// not asking for them.
class FontDetailModel {
public:
    // The lengths in bytes of the seal's texts give the proposed sizes.
    struct TextLengths {
        std::size_t up2 = 0;
        std::size_t up1 = 0;
        std::size_t down = 0;
    };
    FontDetailModel(Prompter& prompter, const SealFonts& stored, TextLengths lengths);

    const FontLineState& line(FontLine line) const { return lines_[index(line)]; }
    void setName(FontLine line, const QString& name) { lines_[index(line)].name = name; }
    void setSize(FontLine line, int size) { lines_[index(line)].size = size; }
    void setBold(FontLine line, bool bold) { lines_[index(line)].bold = bold; }

    enum class ChooseOutcome { Chosen, Cancelled, NameTooLong, NameNotStorable };
    // The "設定" button: the platform's font chooser opened on the line's font.
    ChooseOutcome chooseFont(FontLine line, FontChooser& chooser);

    // OK: names as shown, B "1" or "0", sizes in decimal; nullopt (after a
    // message) when a name has no Shift-JIS form.
    std::optional<SealFonts> accept() const;

private:
    static std::size_t index(FontLine line) { return static_cast<std::size_t>(line); }

    Prompter& prompter_;
    std::array<FontLineState, 4> lines_;
};

} // namespace vermil
