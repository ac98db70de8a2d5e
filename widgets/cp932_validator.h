#pragma once

#include <QValidator>

namespace vermil {

// Refuses a text with a character that has no Shift-JIS (CP932) form, so that
// nothing typed or pasted into a box is lost when the box is stored; `refused`
// lets the window say why the character did not appear. With Letters::Capitals
// every letter becomes a capital first, as in the password boxes.
class Cp932Validator : public QValidator {
    Q_OBJECT

public:
    enum class Letters { AsTyped, Capitals };

    explicit Cp932Validator(QObject* parent = nullptr, Letters letters = Letters::AsTyped);

    State validate(QString& input, int& position) const override;

signals:
    void refused();

private:
    Letters letters_;
};

} // namespace vermil
