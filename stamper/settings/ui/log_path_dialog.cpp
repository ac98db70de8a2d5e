#include "stamper/settings/ui/log_path_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vermil {

CFileNameDialog::CFileNameDialog(LogPathDialogModel& model, FileChooser& chooser, QWidget* parent)
    : QDialog(parent), model_(model), chooser_(chooser) {
    buildControls();
    applyTexts(LogPathDialogTexts::of(model_.language()));
    connectControls();
    showValues();
    resize(520, sizeHint().height());
}

void CFileNameDialog::buildControls() {
    pathGroup_ = new QGroupBox(this);
    pathEdit_ = new QLineEdit(pathGroup_);
    browse_ = new QPushButton(pathGroup_);
    browse_->setAutoDefault(false);
    auto* pathRow = new QHBoxLayout(pathGroup_);
    pathRow->addWidget(pathEdit_, 1);
    pathRow->addWidget(browse_);

    outputLog_ = new QCheckBox(this);
    formatGroup_ = new QGroupBox(this);
    pipe_ = new QRadioButton(formatGroup_);
    comma_ = new QRadioButton(formatGroup_);
    auto* formatRow = new QHBoxLayout(formatGroup_);
    formatRow->addWidget(pipe_);
    formatRow->addWidget(comma_);
    formatRow->addStretch(1);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QDialogButtonBox::Ok);
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFileNameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* options = new QHBoxLayout;
    options->addWidget(formatGroup_, 1);
    options->addWidget(outputLog_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pathGroup_);
    layout->addLayout(options);
    layout->addWidget(buttons);
    setTabOrder(pathEdit_, browse_);
    setTabOrder(browse_, pipe_);
    setTabOrder(pipe_, comma_);
    setTabOrder(comma_, outputLog_);
}

void CFileNameDialog::applyTexts(const LogPathDialogTexts& texts) {
    setWindowTitle(texts.windowTitle);
    pathGroup_->setTitle(texts.pathGroup);
    browse_->setText(texts.browse);
    outputLog_->setText(texts.outputLog);
    formatGroup_->setTitle(texts.formatGroup);
    pipe_->setText(texts.pipe);
    comma_->setText(texts.comma);
    ok_->setText(texts.ok);
    cancel_->setText(texts.cancel);
}

void CFileNameDialog::connectControls() {
    connect(pathEdit_, &QLineEdit::textEdited, this,
            [this](const QString& path) { model_.setLogPath(path); });
    connect(browse_, &QPushButton::clicked, this, [this] {
        if (model_.browse(chooser_))
            pathEdit_->setText(model_.logPath());
    });
    connect(outputLog_, &QCheckBox::toggled, this, [this](bool on) { model_.setOutputLog(on); });
    connect(pipe_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            model_.setSeparator(LogPathDialogModel::Separator::Pipe);
    });
    connect(comma_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            model_.setSeparator(LogPathDialogModel::Separator::Comma);
    });
}

void CFileNameDialog::showValues() {
    pathEdit_->setText(model_.logPath());
    outputLog_->setChecked(model_.outputLog());
    (model_.separator() == LogPathDialogModel::Separator::Pipe ? pipe_ : comma_)->setChecked(true);
}

void CFileNameDialog::accept() {
    if (model_.accept() == LogPathDialogModel::Outcome::Accepted)
        QDialog::accept();
}

} // namespace vermil
