#include "manager/sealform/seal_form_texts.h"

namespace vermil {

const SealFormTexts& SealFormTexts::registerTexts(Language wanted) {
    const auto make = VERMIL_TEXTS_MAKER(SealFormTexts, VERMIL_REGISTER_SEAL_TEXTS);
    static const SealFormTexts japanese = make(Language::Japanese);
    static const SealFormTexts english = make(Language::English);
    return wanted == Language::Japanese ? japanese : english;
}

const SealFormTexts& SealFormTexts::editTexts() {
    // Every edit caption is the same in both languages.
    static const SealFormTexts texts =
        VERMIL_TEXTS_MAKER(SealFormTexts, VERMIL_EDIT_SEAL_TEXTS)(Language::Japanese);
    return texts;
}

std::vector<TextsRow> SealFormTexts::registerRows() {
    return VERMIL_TEXTS_ROWS(VERMIL_REGISTER_SEAL_TEXTS);
}

std::vector<TextsRow> SealFormTexts::editRows() {
    return VERMIL_TEXTS_ROWS(VERMIL_EDIT_SEAL_TEXTS);
}

VERMIL_DEFINE_TEXTS(SealFormMessages, VERMIL_SEAL_FORM_MESSAGES)

} // namespace vermil
