#include "cp932_validator.h"

#include "common/cp932.h"
#include "common/password_text.h"

namespace vermil {

Cp932Validator::Cp932Validator(QObject* parent, Letters letters)
    : QValidator(parent), letters_(letters) {}

QValidator::State Cp932Validator::validate(QString& input, int&) const {
    if (letters_ == Letters::Capitals)
        input = passwordAsTyped(input);
    if (toCp932(input))
        return Acceptable;
    // The signal does not change what the validator decides.
    emit const_cast<Cp932Validator*>(this)->refused();
    return Invalid;
}

} // namespace vermil
