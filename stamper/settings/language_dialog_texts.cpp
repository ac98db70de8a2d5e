#include "stamper/settings/language_dialog_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(LanguageDialogTexts, VERMIL_LANGUAGE_DIALOG_TEXTS)

} // namespace vermil
