#include "stamper/settings/log_path_dialog_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(LogPathDialogTexts, VERMIL_LOG_PATH_DIALOG_TEXTS)

} // namespace vermil
