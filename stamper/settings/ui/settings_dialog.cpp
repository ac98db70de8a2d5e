#include "stamper/settings/ui/settings_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vermil {

CIndexDlg::CIndexDlg(SettingsDialogModel& model, FileChooser& chooser, QWidget* parent)
    : QDialog(parent), model_(model), chooser_(chooser) {
    buildControls();
    applyTexts(SettingsDialogTexts::of(model_.language()));
    connectControls();
    showValues();
    resize(520, sizeHint().height());
}

void CIndexDlg::buildControls() {
    indexLabel_ = new QLabel(this);
    indexEdit_ = new QLineEdit(this);
    indexLabel_->setBuddy(indexEdit_);
    browse_ = new QPushButton(this);
    browse_->setAutoDefault(false);

    autoGroup_ = new QGroupBox(this);
    auto* autoColumn = new QVBoxLayout(autoGroup_);
    for (QRadioButton*& button : autoButtons_) {
        button = new QRadioButton(autoGroup_);
        autoColumn->addWidget(button);
    }
    clipboard_ = new QCheckBox(this);

    languageLabel_ = new QLabel(this);
    languages_ = new QListWidget(this);
    languageLabel_->setBuddy(languages_);
    languages_->setSelectionMode(QAbstractItemView::SingleSelection);
    languages_->setMaximumHeight(languages_->fontMetrics().height() * 4);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QDialogButtonBox::Ok);
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CIndexDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(indexEdit_, 1);
    pathRow->addWidget(browse_);

    auto* languageColumn = new QVBoxLayout;
    languageColumn->addWidget(languageLabel_);
    languageColumn->addWidget(languages_);
    languageColumn->addStretch(1);

    auto* options = new QGridLayout;
    options->addWidget(autoGroup_, 0, 0);
    options->addLayout(languageColumn, 0, 1);
    options->addWidget(clipboard_, 1, 0, 1, 2);
    options->setColumnStretch(0, 1);
    options->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(indexLabel_);
    layout->addLayout(pathRow);
    layout->addLayout(options);
    layout->addWidget(buttons);
    setTabOrder(indexEdit_, browse_);
    setTabOrder(browse_, autoButtons_[0]);
    setTabOrder(autoButtons_[0], autoButtons_[1]);
    setTabOrder(autoButtons_[1], autoButtons_[2]);
    setTabOrder(autoButtons_[2], languages_);
    setTabOrder(languages_, clipboard_);
}

void CIndexDlg::applyTexts(const SettingsDialogTexts& texts) {
    setWindowTitle(texts.windowTitle);
    indexLabel_->setText(texts.indexLabel);
    browse_->setText(texts.browse);
    autoGroup_->setTitle(texts.autoStampGroup);
    autoButtons_[0]->setText(texts.autoNone);
    autoButtons_[1]->setText(texts.auto1);
    autoButtons_[2]->setText(texts.auto2);
    clipboard_->setText(texts.clipboard);
    languageLabel_->setText(texts.languageLabel);
    ok_->setText(texts.ok);
    cancel_->setText(texts.cancel);
}

void CIndexDlg::connectControls() {
    connect(indexEdit_, &QLineEdit::textEdited, this,
            [this](const QString& path) { model_.setIndexPath(path); });
    connect(browse_, &QPushButton::clicked, this, [this] {
        if (model_.browse(chooser_))
            indexEdit_->setText(model_.indexPath());
    });
    for (int mode = 0; mode < 3; ++mode)
        connect(autoButtons_[mode], &QRadioButton::toggled, this, [this, mode](bool on) {
            if (on)
                model_.setAutoStamp(mode);
        });
    connect(clipboard_, &QCheckBox::toggled, this, [this](bool on) { model_.setClipboard(on); });
    connect(languages_, &QListWidget::currentRowChanged, this,
            [this](int row) { model_.setLanguageRow(row); });
}

void CIndexDlg::showValues() {
    indexEdit_->setText(model_.indexPath());
    autoButtons_[model_.autoStamp()]->setChecked(true);
    clipboard_->setChecked(model_.clipboard());
    languages_->addItems(model_.languages());
    const int row = model_.languageRow();
    if (row >= 0)
        languages_->setCurrentRow(row);
    else
        languages_->setCurrentRow(-1);
}

void CIndexDlg::accept() {
    if (model_.accept() == SettingsDialogModel::Outcome::Saved)
        QDialog::accept();
}

} // namespace vermil
