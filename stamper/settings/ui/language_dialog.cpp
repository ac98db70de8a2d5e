#include "stamper/settings/ui/language_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vermil {

CLangDlg::CLangDlg(LanguageDialogModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    buildControls();
    // The language is not known yet: the system's captions, which are English.
    applyTexts(LanguageDialogTexts::of(Language::English));
    (model_.choice() == LanguageDialogModel::Choice::Japanese ? japanese_ : english_)
        ->setChecked(true);
    connect(japanese_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            model_.setChoice(LanguageDialogModel::Choice::Japanese);
    });
    connect(english_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            model_.setChoice(LanguageDialogModel::Choice::English);
    });
}

void CLangDlg::buildControls() {
    prompt_ = new QLabel(this);
    group_ = new QGroupBox(this);
    japanese_ = new QRadioButton(group_);
    english_ = new QRadioButton(group_);
    auto* column = new QVBoxLayout(group_);
    column->addWidget(japanese_);
    column->addWidget(english_);
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QDialogButtonBox::Ok);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(group_);
    layout->addWidget(buttons);
    setMinimumWidth(260);
}

void CLangDlg::applyTexts(const LanguageDialogTexts& texts) {
    setWindowTitle(texts.windowTitle);
    prompt_->setText(texts.prompt);
    group_->setTitle(texts.group);
    japanese_->setText(texts.japanese);
    english_->setText(texts.english);
    ok_->setText(texts.ok);
}

} // namespace vermil
