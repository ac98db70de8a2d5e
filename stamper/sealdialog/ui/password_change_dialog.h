#pragma once

#include "stamper/sealdialog/ui/seal_name_list.h"

#include "stamper/sealdialog/password_change_model.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vermil {

class PasswordEdit;

// The password change dialog: binds the controls to PasswordChangeModel, which it
// does not own; the model's prompter should have the dialog as its parent.
//
//     CPasswdDlg dialog(model, parent);
//     prompter.setParentWidget(&dialog);
//     dialog.exec();   // the index changes only on OK
class CPasswdDlg : public QDialog {
    Q_OBJECT

public:
    explicit CPasswdDlg(PasswordChangeModel& model, QWidget* parent = nullptr);

    // Start-up: the model's, then the list and the preselection. exec() runs it
    // when it has not run yet.
    void start();
    int exec() override;
    // OK: closes only when the password was changed.
    void accept() override;

    QListWidget* sealList() const { return sealList_; }
    PasswordEdit* oldPasswordEdit() const { return oldPasswordEdit_; }
    PasswordEdit* newPasswordEdit() const { return newPasswordEdit_; }
    PasswordEdit* newPasswordAgainEdit() const { return newPasswordAgainEdit_; }
    QLineEdit* indexPathEdit() const { return indexPathEdit_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

private:
    void buildControls();
    void applyTexts(const PasswordChangeTexts& texts);
    void connectControls();
    void bindPassword(PasswordEdit* edit, void (PasswordChangeModel::*set)(std::string));
    void selectRow(int row);
    void showState();

    PasswordChangeModel& model_;
    bool started_ = false;

    QLabel* sealListLabel_ = nullptr;
    SealNameList* sealList_ = nullptr;
    QLabel* oldPasswordLabel_ = nullptr;
    PasswordEdit* oldPasswordEdit_ = nullptr;
    QGroupBox* newPasswordGroup_ = nullptr;
    PasswordEdit* newPasswordEdit_ = nullptr;
    QLabel* againLabel_ = nullptr;
    PasswordEdit* newPasswordAgainEdit_ = nullptr;
    QLabel* indexPathLabel_ = nullptr;
    QLineEdit* indexPathEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace vermil
