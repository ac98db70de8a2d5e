#pragma once

#include "stamper/settings/language_dialog_model.h"
#include "stamper/settings/language_dialog_texts.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vermil {

// The language dialog: binds its two buttons to LanguageDialogModel.
class CLangDlg : public QDialog {
    Q_OBJECT

public:
    explicit CLangDlg(LanguageDialogModel& model, QWidget* parent = nullptr);

    QRadioButton* japaneseButton() const { return japanese_; }
    QRadioButton* englishButton() const { return english_; }
    QPushButton* okButton() const { return ok_; }

private:
    void buildControls();
    void applyTexts(const LanguageDialogTexts& texts);

    LanguageDialogModel& model_;
    QLabel* prompt_ = nullptr;
    QGroupBox* group_ = nullptr;
    QRadioButton* japanese_ = nullptr;
    QRadioButton* english_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace vermil
