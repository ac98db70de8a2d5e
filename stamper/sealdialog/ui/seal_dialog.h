#pragma once

#include "stamper/sealdialog/ui/seal_name_list.h"

#include "stamper/sealdialog/seal_dialog_model.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vermil {

class ColourChooser;
class PasswordEdit;
class SealPreview;

// The seal dialog: binds the controls to SealDialogModel. It owns neither the
// model nor the colour chooser, so tests hand in recording fakes; the model's
// prompter should have the dialog as its parent (setParentWidget).
//
//     CShouninDialog dialog(model, colourChooser, parent);
//     prompter.setParentWidget(&dialog);
//     if (dialog.exec() == QDialog::Accepted) return model.accepted();
class CShouninDialog : public QDialog {
    Q_OBJECT

public:
    CShouninDialog(SealDialogModel& model, ColourChooser& colourChooser, QWidget* parent = nullptr);

    // Start-up: the model's, then its values in the controls. exec() runs it
    // when it has not run yet.
    void start();
    // start() when due; then, with AutoStamp on and the password remembered, OK
    // is pressed at once and the dialog never shows when that was accepted; else it
    // runs modally.
    int exec() override;

    // OK: closes only when the model accepted the seal and the password.
    void accept() override;

    SealDialogModel& model() { return model_; }

    // The controls, for tests of the wiring.
    QListWidget* sealList() const { return sealList_; }
    QLineEdit* documentNoEdit() const { return documentNoEdit_; }
    QLineEdit* nameEdit() const { return nameEdit_; }
    QLineEdit* sectionEdit() const { return sectionEdit_; }
    QLineEdit* dateEdit() const { return dateEdit_; }
    QPlainTextEdit* commentEdit() const { return commentEdit_; }
    SealPreview* preview() const { return preview_; }
    QLineEdit* profileEdit() const { return profileEdit_; }
    PasswordEdit* passwordEdit() const { return passwordEdit_; }
    QCheckBox* savePasswordBox() const { return savePasswordBox_; }
    QPushButton* colourButton() const { return colourButton_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QLabel* userLine() const { return userValue_; }
    QLabel* indexLine() const { return indexValue_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void applyTexts(const SealDialogTexts& texts);
    void connectControls();
    void bindLineEdit(QLineEdit* edit, void (SealDialogModel::*set)(std::string));
    void commentChanged();
    void selectRow(int row);
    void chooseColour();
    void showValues();
    void showState();
    void showIndexPath();
    void tellRefused(QWidget* where);

    SealDialogModel& model_;
    ColourChooser& colourChooser_;
    const SealDialogTexts& texts_;
    bool started_ = false;
    QString lastGoodComment_;

    QLabel* sealListLabel_ = nullptr;
    SealNameList* sealList_ = nullptr;
    QGroupBox* informationGroup_ = nullptr;
    QLabel* documentNoLabel_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLabel* sectionLabel_ = nullptr;
    QLabel* dateLabel_ = nullptr;
    QLabel* commentLabel_ = nullptr;
    QLineEdit* documentNoEdit_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* sectionEdit_ = nullptr;
    QLineEdit* dateEdit_ = nullptr;
    QPlainTextEdit* commentEdit_ = nullptr;
    SealPreview* preview_ = nullptr;
    QGroupBox* profileGroup_ = nullptr;
    QLineEdit* profileEdit_ = nullptr;
    QPushButton* colourButton_ = nullptr;
    QGroupBox* passwordGroup_ = nullptr;
    PasswordEdit* passwordEdit_ = nullptr;
    QCheckBox* savePasswordBox_ = nullptr;
    QLabel* userLabel_ = nullptr;
    QLabel* userValue_ = nullptr;
    QLabel* indexLabel_ = nullptr;
    QLabel* indexValue_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace vermil
