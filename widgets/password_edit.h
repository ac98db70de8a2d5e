#pragma once

#include <QLineEdit>

namespace vermil {

// A seal password box: the text is masked, letters become capitals as they are
// typed (every stored password code is the code of a capital-letter password),
// and no input method composes into it.
class PasswordEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit PasswordEdit(QWidget* parent = nullptr);
};

} // namespace vermil
