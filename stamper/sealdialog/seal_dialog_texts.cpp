#include "stamper/sealdialog/seal_dialog_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(SealDialogTexts, VERMIL_SEAL_DIALOG_TEXTS)

} // namespace vermil
