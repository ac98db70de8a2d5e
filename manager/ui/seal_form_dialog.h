#pragma once

#include "manager/sealform/seal_form_model.h"
#include "manager/sealform/seal_form_texts.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vermil {

class FileChooser;
class FontChooser;
class PasswordEdit;

// What the register and edit dialogs share: the fields of one seal bound to a
// SealFormModel, laid out alike, with the captions each dialog gives.
class SealFormDialog : public QDialog {
    Q_OBJECT

public:
    SealFormModel& model() { return model_; }

    // The controls, for tests of the wiring.
    QLineEdit* nameEdit() const { return name_; }
    PasswordEdit* passwordEdit() const { return password_; }
    QLineEdit* up2Edit() const { return up2_; }
    QLineEdit* up1Edit() const { return up1_; }
    QLineEdit* downEdit() const { return down_; }
    QComboBox* dateFormatList() const { return dateFormat_; }
    QComboBox* sizeXList() const { return sizeX_; }
    QComboBox* sizeYList() const { return sizeY_; }
    QLineEdit* profileEdit() const { return profile_; }
    QPushButton* browseProfileButton() const { return browseProfile_; }
    QLineEdit* indexPathField() const { return indexPath_; }
    QPushButton* detailButton() const { return detail_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    void accept() override;

protected:
    SealFormDialog(SealFormModel& model, const SealFormTexts& texts, FileChooser& fileChooser,
                   FontChooser& fontChooser, QWidget* parent);

private:
    void buildControls();
    void applyTexts(const SealFormTexts& texts);
    void connectControls();
    void showValues();
    void showProfile();
    void openDetail();

    SealFormModel& model_;
    FileChooser& fileChooser_;
    FontChooser& fontChooser_;

    QGroupBox* nameGroup_ = nullptr;
    QLineEdit* name_ = nullptr;
    QGroupBox* passwordGroup_ = nullptr;
    PasswordEdit* password_ = nullptr;
    QLabel* passwordHint_ = nullptr;
    QLabel* up2Label_ = nullptr;
    QLabel* up1Label_ = nullptr;
    QLabel* downLabel_ = nullptr;
    QLineEdit* up2_ = nullptr;
    QLineEdit* up1_ = nullptr;
    QLineEdit* down_ = nullptr;
    QLabel* upperTextsHint_ = nullptr;
    QLabel* dateFormatLabel_ = nullptr;
    QComboBox* dateFormat_ = nullptr;
    QLabel* dateFormatHint_ = nullptr;
    QGroupBox* sizeGroup_ = nullptr;
    QLabel* sizeXLabel_ = nullptr;
    QLabel* sizeYLabel_ = nullptr;
    QComboBox* sizeX_ = nullptr;
    QComboBox* sizeY_ = nullptr;
    QLabel* sizeNote_ = nullptr;
    QGroupBox* profileGroup_ = nullptr;
    QLineEdit* profile_ = nullptr;
    QPushButton* browseProfile_ = nullptr;
    QGroupBox* indexGroup_ = nullptr;
    QLineEdit* indexPath_ = nullptr;
    QPushButton* detail_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vermil
