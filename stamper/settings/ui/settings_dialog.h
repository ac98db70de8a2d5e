#pragma once

#include "stamper/settings/settings_dialog_model.h"
#include "stamper/settings/settings_dialog_texts.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vermil {

class FileChooser;

// The settings dialog: binds its controls to SettingsDialogModel.
class CIndexDlg : public QDialog {
    Q_OBJECT

public:
    CIndexDlg(SettingsDialogModel& model, FileChooser& chooser, QWidget* parent = nullptr);

    QLineEdit* indexEdit() const { return indexEdit_; }
    QPushButton* browseButton() const { return browse_; }
    QRadioButton* autoStampButton(int mode) const { return autoButtons_[mode]; }
    QCheckBox* clipboardBox() const { return clipboard_; }
    QListWidget* languageList() const { return languages_; }
    QPushButton* okButton() const { return ok_; }

    void accept() override;

private:
    void buildControls();
    void applyTexts(const SettingsDialogTexts& texts);
    void connectControls();
    void showValues();

    SettingsDialogModel& model_;
    FileChooser& chooser_;
    QLabel* indexLabel_ = nullptr;
    QLineEdit* indexEdit_ = nullptr;
    QPushButton* browse_ = nullptr;
    QGroupBox* autoGroup_ = nullptr;
    QRadioButton* autoButtons_[3] = {};
    QCheckBox* clipboard_ = nullptr;
    QLabel* languageLabel_ = nullptr;
    QListWidget* languages_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vermil
