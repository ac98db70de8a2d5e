#include "stamper/sealdialog/ui/password_change_dialog.h"

#include "common/cp932.h"
#include "widgets/password_edit.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vermil {

CPasswdDlg::CPasswdDlg(PasswordChangeModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    buildControls();
    applyTexts(model_.texts());
    connectControls();
}

void CPasswdDlg::buildControls() {
    sealListLabel_ = new QLabel(this);
    sealList_ = new SealNameList(this);
    sealListLabel_->setBuddy(sealList_);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(sealListLabel_);
    listColumn->addWidget(sealList_, 1);

    oldPasswordLabel_ = new QLabel(this);
    oldPasswordEdit_ = new PasswordEdit(this);
    oldPasswordLabel_->setBuddy(oldPasswordEdit_);
    newPasswordGroup_ = new QGroupBox(this);
    newPasswordEdit_ = new PasswordEdit(newPasswordGroup_);
    againLabel_ = new QLabel(newPasswordGroup_);
    newPasswordAgainEdit_ = new PasswordEdit(newPasswordGroup_);
    againLabel_->setBuddy(newPasswordAgainEdit_);
    auto* newLayout = new QVBoxLayout(newPasswordGroup_);
    newLayout->addWidget(newPasswordEdit_);
    newLayout->addSpacing(4);
    newLayout->addWidget(againLabel_);
    newLayout->addWidget(newPasswordAgainEdit_);
    auto* passwordColumn = new QVBoxLayout;
    passwordColumn->addWidget(oldPasswordLabel_);
    passwordColumn->addWidget(oldPasswordEdit_);
    passwordColumn->addSpacing(8);
    passwordColumn->addWidget(newPasswordGroup_);
    passwordColumn->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(listColumn, 1);
    top->addSpacing(8);
    top->addLayout(passwordColumn, 1);

    indexPathLabel_ = new QLabel(this);
    indexPathEdit_ = new QLineEdit(this);
    indexPathEdit_->setEnabled(false);
    auto* indexRow = new QHBoxLayout;
    indexRow->addWidget(indexPathLabel_);
    indexRow->addWidget(indexPathEdit_, 1);

    auto* buttons = new QDialogButtonBox(this);
    okButton_ = buttons->addButton(QDialogButtonBox::Ok);
    cancelButton_ = buttons->addButton(QDialogButtonBox::Cancel);
    okButton_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPasswdDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPasswdDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(indexRow);
    layout->addWidget(buttons);

    // The button box orders its own buttons; naming them here as well closes
    // the chain into a loop between OK and Cancel.
    QWidget* order[] = {sealList_, oldPasswordEdit_, newPasswordEdit_, newPasswordAgainEdit_,
                        buttons};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void CPasswdDlg::applyTexts(const PasswordChangeTexts& texts) {
    setWindowTitle(texts.windowTitle);
    sealListLabel_->setText(texts.vermilName);
    oldPasswordLabel_->setText(texts.oldPassword);
    newPasswordGroup_->setTitle(texts.newPassword);
    againLabel_->setText(texts.samePasswordAgain);
    indexPathLabel_->setText(texts.indexPath);
    okButton_->setText(texts.ok);
    cancelButton_->setText(texts.cancel);
}

void CPasswdDlg::bindPassword(PasswordEdit* edit, void (PasswordChangeModel::*set)(std::string)) {
    connect(edit, &QLineEdit::textEdited, this, [this, set](const QString& text) {
        // Through a plain reference: GCC 12's AddressSanitizer reports a stack
        // underflow for a member-pointer call on the reference member itself.
        PasswordChangeModel& model = model_;
        (model.*set)(toCp932(text).value_or(std::string()));
    });
}

void CPasswdDlg::connectControls() {
    connect(sealList_, &SealNameList::rowChosen, this, &CPasswdDlg::selectRow);
    bindPassword(oldPasswordEdit_, &PasswordChangeModel::setOldPassword);
    bindPassword(newPasswordEdit_, &PasswordChangeModel::setNewPassword);
    bindPassword(newPasswordAgainEdit_, &PasswordChangeModel::setNewPasswordAgain);
}

void CPasswdDlg::start() {
    if (started_)
        return;
    started_ = true;
    model_.start();
    sealList_->setNames(model_.sealNames());
    sealList_->showRow(model_.selectedRow());
    indexPathEdit_->setText(fromCp932(model_.inputs().indexPath));
    showState();
    // With the seal chosen already, the old password is what comes first.
    if (model_.selectedRow())
        oldPasswordEdit_->setFocus();
}

int CPasswdDlg::exec() {
    start();
    return QDialog::exec();
}

void CPasswdDlg::selectRow(int row) {
    if (row >= 0)
        model_.selectSeal(static_cast<std::size_t>(row));
    showState();
}

void CPasswdDlg::showState() {
    okButton_->setEnabled(model_.okEnabled());
}

void CPasswdDlg::accept() {
    if (model_.accept() == PasswordChangeModel::Outcome::Changed)
        QDialog::accept();
}

} // namespace vermil
