#include "manager/ui/import_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace vermil {

CDlgImport::CDlgImport(ImportDialogModel& model, FileChooser& chooser, Language language,
                       QWidget* parent)
    : QDialog(parent), model_(model), chooser_(chooser), texts_(ImportDialogTexts::of(language)) {
    buildControls();
    applyTexts(texts_);
    connectControls();
    connectModel();
    pathEdit_->setText(model_.csvPath());
    showProgress(model_.rowsDone(), model_.rowsTotal());
    showState(model_.state());
}

CDlgImport::~CDlgImport() {
    model_.cancelImport();
    model_.waitForImport();
}

void CDlgImport::buildControls() {
    fileGroup_ = new QGroupBox(this);
    pathEdit_ = new QLineEdit(fileGroup_);
    pathEdit_->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    browseButton_ = new QPushButton(fileGroup_);
    browseButton_->setAutoDefault(false);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathEdit_, 1);
    pathRow->addWidget(browseButton_);
    formatHint_ = new QLabel(fileGroup_);
    auto* file = new QVBoxLayout(fileGroup_);
    file->addLayout(pathRow);
    file->addWidget(formatHint_);

    limitHint_ = new QLabel(this);
    limitHint_->setWordWrap(true);

    progress_ = new QProgressBar(this);
    progress_->setTextVisible(false);
    progressLabel_ = new QLabel(this);
    cancelButton_ = new QPushButton(this);
    cancelButton_->setAutoDefault(false);
    // The row keeps its room while no import runs, so nothing moves when it shows.
    for (QWidget* widget : {static_cast<QWidget*>(progress_), static_cast<QWidget*>(progressLabel_),
                            static_cast<QWidget*>(cancelButton_)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(progressLabel_);
    progressRow->addWidget(cancelButton_);

    runButton_ = new QPushButton(this);
    runButton_->setDefault(true);
    closeButton_ = new QPushButton(this);
    closeButton_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(runButton_);
    buttons->addWidget(closeButton_);

    setMinimumWidth(fontMetrics().averageCharWidth() * 72);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileGroup_);
    layout->addWidget(limitHint_);
    layout->addLayout(progressRow);
    layout->addLayout(buttons);
    pathEdit_->setFocus();
}

void CDlgImport::applyTexts(const ImportDialogTexts& texts) {
    setWindowTitle(texts.windowTitle);
    fileGroup_->setTitle(texts.fileGroup);
    browseButton_->setText(texts.browse);
    formatHint_->setText(texts.formatHint);
    limitHint_->setText(texts.limitHint);
    runButton_->setText(texts.run);
    closeButton_->setText(texts.close);
    cancelButton_->setText(texts.cancel);
}

void CDlgImport::connectControls() {
    connect(pathEdit_, &QLineEdit::textEdited, &model_, &ImportDialogModel::setCsvPath);
    connect(browseButton_, &QPushButton::clicked, this, [this] { model_.browse(chooser_); });
    connect(runButton_, &QPushButton::clicked, &model_, &ImportDialogModel::startImport);
    connect(cancelButton_, &QPushButton::clicked, &model_, &ImportDialogModel::cancelImport);
    connect(closeButton_, &QPushButton::clicked, this, &CDlgImport::reject);
}

void CDlgImport::connectModel() {
    connect(&model_, &ImportDialogModel::csvPathChanged, this, [this](const QString& path) {
        if (pathEdit_->text() != path)
            pathEdit_->setText(path);
    });
    connect(&model_, &ImportDialogModel::stateChanged, this, &CDlgImport::showState);
    connect(&model_, &ImportDialogModel::progressChanged, this, &CDlgImport::showProgress);
}

void CDlgImport::showState(ImportDialogModel::State state) {
    const bool importing = state == ImportDialogModel::State::Importing;
    progress_->setVisible(importing);
    progressLabel_->setVisible(importing);
    cancelButton_->setVisible(importing);
    runButton_->setEnabled(!importing);
    pathEdit_->setEnabled(!importing);
    browseButton_->setEnabled(!importing);
    if (importing)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void CDlgImport::showProgress(int done, int total) {
    // Until the file is checked the number of rows is unknown.
    progress_->setRange(0, total > 0 ? total : 0);
    progress_->setValue(done);
    progressLabel_->setText(total > 0 ? texts_.progress.arg(done).arg(total) : QString());
}

void CDlgImport::reject() {
    model_.cancelImport();
    model_.waitForImport();
    QDialog::reject();
}

} // namespace vermil
