#pragma once

#include <QLineEdit>

namespace vermil {

// A seal password box: the text is masked, letters become capitals as they are
// typed (every stored password code is the code of a capital-letter password),
// and no input method composes into it. Its validator is a Cp932Validator: a
// character without a Shift-JIS form is refused.
class PasswordEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit PasswordEdit(QWidget* parent = nullptr);
};

} // namespace vermil
