#include "stamper/settings/settings_dialog_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(SettingsDialogTexts, VERMIL_SETTINGS_DIALOG_TEXTS)

} // namespace vermil
