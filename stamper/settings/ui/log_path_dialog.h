#pragma once

#include "stamper/settings/log_path_dialog_model.h"
#include "stamper/settings/log_path_dialog_texts.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vermil {

class FileChooser;

// The log path dialog: binds its controls to LogPathDialogModel.
class CFileNameDialog : public QDialog {
    Q_OBJECT

public:
    CFileNameDialog(LogPathDialogModel& model, FileChooser& chooser, QWidget* parent = nullptr);

    QLineEdit* pathEdit() const { return pathEdit_; }
    QPushButton* browseButton() const { return browse_; }
    QCheckBox* outputLogBox() const { return outputLog_; }
    QRadioButton* pipeButton() const { return pipe_; }
    QRadioButton* commaButton() const { return comma_; }
    QPushButton* okButton() const { return ok_; }

    void accept() override;

private:
    void buildControls();
    void applyTexts(const LogPathDialogTexts& texts);
    void connectControls();
    void showValues();

    LogPathDialogModel& model_;
    FileChooser& chooser_;
    QGroupBox* pathGroup_ = nullptr;
    QLineEdit* pathEdit_ = nullptr;
    QPushButton* browse_ = nullptr;
    QCheckBox* outputLog_ = nullptr;
    QGroupBox* formatGroup_ = nullptr;
    QRadioButton* pipe_ = nullptr;
    QRadioButton* comma_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vermil
