#include "manager/import/import_dialog_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(ImportDialogTexts, VERMIL_IMPORT_DIALOG_TEXTS)

} // namespace vermil
