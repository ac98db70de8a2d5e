#include "stamper/sealdialog/password_change_texts.h"

namespace vermil {

VERMIL_DEFINE_TEXTS(PasswordChangeTexts, VERMIL_PASSWORD_CHANGE_TEXTS)

} // namespace vermil
