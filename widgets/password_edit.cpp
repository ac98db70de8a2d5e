#include "password_edit.h"

#include "common/password_case.h"

#include <QValidator>

namespace vermil {
namespace {

// Turns letters into capitals in place, so pasting and typing alike end up upper case.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = upperCasePasswordText(std::move(input));
        return Acceptable;
    }
};

} // namespace

PasswordEdit::PasswordEdit(QWidget* parent) : QLineEdit(parent) {
    setEchoMode(QLineEdit::Password);
    setValidator(new UpperCaseValidator(this));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhSensitiveData | Qt::ImhNoPredictiveText | Qt::ImhLatinOnly);
}

} // namespace vermil
