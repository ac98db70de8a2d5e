#include "manager/sealform/font_detail_model.h"

#include "manager/sealform/font_detail_texts.h"

#include "render/seal_fonts.h"
#include "render/seal_layout.h"

#include "common/cp932.h"
#include "common/interaction/font_chooser.h"
#include "common/interaction/prompter.h"
#include "common/number_text.h"

namespace vermil {
namespace {

// The proposed date size, whatever its text.
constexpr int proposedDateSize = 12;

FontLineState shownLine(const SealFont& font, FontLine line, std::size_t textBytes) {
    const int stored = decimalPrefix(font.size);
    return {fromCp932(font.name), stored != 0 ? stored : proposedFontSize(line, textBytes),
            font.bold == "1"};
}

} // namespace

int proposedFontSize(FontLine line, std::size_t textBytes) {
    if (line == FontLine::Date)
        return proposedDateSize;
    // The same table as the drawing's automatic sizes.
    return AutoTextSize(static_cast<std::ptrdiff_t>(textBytes));
}

FontDetailModel::FontDetailModel(Prompter& prompter, const SealFonts& stored, TextLengths lengths)
    : prompter_(prompter), lines_{shownLine(stored.up2, FontLine::Up2, lengths.up2),
                                  shownLine(stored.up1, FontLine::Up1, lengths.up1),
                                  shownLine(stored.date, FontLine::Date, 0),
                                  shownLine(stored.low1, FontLine::Low1, lengths.down)} {}

FontDetailModel::ChooseOutcome FontDetailModel::chooseFont(FontLine line, FontChooser& chooser) {
    FontLineState& state = lines_[index(line)];
    const auto name = toCp932(state.name);
    if (!name) {
        prompter_.showMessage(fontDetailTexts().faceNameNotStorable.arg(state.name),
                              MessageIcon::Warning);
        return ChooseOutcome::NameNotStorable;
    }
    if (name->size() > maxFaceNameBytes) {
        prompter_.showMessage(fontDetailTexts()
                                  .faceNameTooLong.arg(state.name)
                                  .arg(name->size())
                                  .arg(maxFaceNameBytes),
                              MessageIcon::Warning);
        return ChooseOutcome::NameTooLong;
    }
    // The chooser knows only the faces installed here: offered a Windows name it would
    // show some other face, so it opens on the face the seal is drawn with.
    const QString drawnFace = mappedSealFace(*name);
    const auto chosen = chooser.chooseFont({drawnFace, state.size, state.bold});
    if (!chosen)
        return ChooseOutcome::Cancelled;
    // A kept face keeps the name it is stored under, so a seal folder moved back to
    // Windows keeps its font.
    if (chosen->family != drawnFace)
        state.name = chosen->family;
    state.size = chosen->pointSize;
    // Only a true bold counts: semi-bold (600) and heavier faces are stored as not bold.
    state.bold = chosen->weight == 700;
    return ChooseOutcome::Chosen;
}

std::optional<SealFonts> FontDetailModel::accept() const {
    std::array<SealFont, 4> fonts;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = toCp932(lines_[i].name);
        if (!name) {
            prompter_.showMessage(fontDetailTexts().faceNameNotStorable.arg(lines_[i].name),
                                  MessageIcon::Warning);
            return std::nullopt;
        }
        fonts[i] = {*name, lines_[i].bold ? "1" : "0", std::to_string(lines_[i].size)};
    }
    return SealFonts{fonts[0], fonts[1], fonts[2], fonts[3]};
}

} // namespace vermil
