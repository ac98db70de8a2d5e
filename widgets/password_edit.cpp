#include "password_edit.h"

#include "cp932_validator.h"

namespace vermil {

PasswordEdit::PasswordEdit(QWidget* parent) : QLineEdit(parent) {
    setEchoMode(QLineEdit::Password);
    // Letters become capitals as they are typed, so pasting and typing alike end up
    // upper case; a character that cannot be stored is refused.
    setValidator(new Cp932Validator(this, Cp932Validator::Letters::Capitals));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhSensitiveData | Qt::ImhNoPredictiveText | Qt::ImhLatinOnly);
}

} // namespace vermil
