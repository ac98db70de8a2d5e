#pragma once

#include "stamper/view/stamp_information_model.h"
#include "stamper/view/stamp_information_texts.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vermil {

// The stamp information dialog: the whole text in one box and "Close". The box
// may be typed into; nothing typed is kept.
class CKakuninDialog : public QDialog {
    Q_OBJECT

public:
    explicit CKakuninDialog(const StampInformationModel& model, QWidget* parent = nullptr);

    QPlainTextEdit* textBox() const { return text_; }
    QPushButton* closeButton() const { return close_; }

private:
    void buildControls();
    void applyTexts(const StampInformationTexts& texts);

    QPlainTextEdit* text_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace vermil
