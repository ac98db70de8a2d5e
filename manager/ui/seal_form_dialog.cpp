#include "seal_form_dialog.h"

#include "manager/ui/font_detail_dialog.h"
#include "read_only_field.h"

#include "widgets/password_edit.h"

#include "common/cp932.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vermil {
namespace {

QLineEdit* makeTextEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignHCenter);
    return edit;
}

QLabel* makeHint(QWidget* parent) {
    auto* hint = new QLabel(parent);
    hint->setWordWrap(true);
    hint->setForegroundRole(QPalette::PlaceholderText);
    return hint;
}

void fillList(QComboBox* list, const ListChoice& choice) {
    list->clear();
    list->addItems(choice.entries);
    list->setCurrentIndex(choice.selected);
}

// Shows a caption, or hides its control when the dialog has none.
void showCaption(QLabel* label, const std::optional<QString>& text) {
    label->setText(text.value_or(QString()));
    label->setVisible(text.has_value());
}

} // namespace

SealFormDialog::SealFormDialog(SealFormModel& model, const SealFormTexts& texts,
                               FileChooser& fileChooser, FontChooser& fontChooser, QWidget* parent)
    : QDialog(parent), model_(model), fileChooser_(fileChooser), fontChooser_(fontChooser) {
    buildControls();
    applyTexts(texts);
    showValues();
    connectControls();
    (model_.nameEditable() ? name_ : static_cast<QWidget*>(password_))->setFocus();
}

void SealFormDialog::buildControls() {
    nameGroup_ = new QGroupBox(this);
    name_ = new QLineEdit(nameGroup_);
    auto* name = new QVBoxLayout(nameGroup_);
    name->addWidget(name_);

    passwordGroup_ = new QGroupBox(this);
    password_ = new PasswordEdit(passwordGroup_);
    passwordHint_ = makeHint(passwordGroup_);
    auto* password = new QVBoxLayout(passwordGroup_);
    password->addWidget(password_);
    password->addWidget(passwordHint_);

    up2Label_ = new QLabel(this);
    up1Label_ = new QLabel(this);
    downLabel_ = new QLabel(this);
    up2_ = makeTextEdit(this);
    up1_ = makeTextEdit(this);
    down_ = makeTextEdit(this);
    upperTextsHint_ = makeHint(this);
    dateFormatLabel_ = new QLabel(this);
    dateFormat_ = new QComboBox(this);
    dateFormatHint_ = makeHint(this);
    auto* texts = new QGridLayout;
    texts->setColumnStretch(1, 1);
    int row = 0;
    for (const auto& [label, edit] :
         {std::pair<QLabel*, QWidget*>{up2Label_, up2_}, {up1Label_, up1_}}) {
        label->setBuddy(edit);
        texts->addWidget(label, row, 0);
        texts->addWidget(edit, row++, 1);
    }
    texts->addWidget(upperTextsHint_, row++, 1);
    dateFormatLabel_->setBuddy(dateFormat_);
    texts->addWidget(dateFormatLabel_, row, 0);
    auto* format = new QHBoxLayout;
    format->addWidget(dateFormat_, 1);
    format->addWidget(dateFormatHint_);
    texts->addLayout(format, row++, 1);
    downLabel_->setBuddy(down_);
    texts->addWidget(downLabel_, row, 0);
    texts->addWidget(down_, row++, 1);

    sizeGroup_ = new QGroupBox(this);
    sizeXLabel_ = new QLabel(sizeGroup_);
    sizeYLabel_ = new QLabel(sizeGroup_);
    sizeX_ = new QComboBox(sizeGroup_);
    sizeY_ = new QComboBox(sizeGroup_);
    sizeXLabel_->setBuddy(sizeX_);
    sizeYLabel_->setBuddy(sizeY_);
    sizeNote_ = makeHint(sizeGroup_);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(sizeXLabel_);
    sizeRow->addWidget(sizeX_);
    sizeRow->addSpacing(fontMetrics().averageCharWidth() * 3);
    sizeRow->addWidget(sizeYLabel_);
    sizeRow->addWidget(sizeY_);
    sizeRow->addStretch(1);
    auto* sizes = new QVBoxLayout(sizeGroup_);
    sizes->addLayout(sizeRow);
    sizes->addWidget(sizeNote_);

    profileGroup_ = new QGroupBox(this);
    profile_ = new QLineEdit(profileGroup_);
    browseProfile_ = new QPushButton(profileGroup_);
    browseProfile_->setAutoDefault(false);
    auto* profile = new QHBoxLayout(profileGroup_);
    profile->addWidget(profile_, 1);
    profile->addWidget(browseProfile_);

    indexGroup_ = new QGroupBox(this);
    indexPath_ = new QLineEdit(indexGroup_);
    makeReadOnlyField(indexPath_);
    auto* index = new QHBoxLayout(indexGroup_);
    index->addWidget(indexPath_);

    detail_ = new QPushButton(this);
    detail_->setAutoDefault(false);
    ok_ = new QPushButton(this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(this);
    cancel_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(detail_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    auto* first = new QHBoxLayout;
    first->addWidget(nameGroup_, 1);
    first->addWidget(passwordGroup_, 1);
    layout->addLayout(first);
    layout->addLayout(texts);
    layout->addWidget(sizeGroup_);
    layout->addWidget(profileGroup_);
    layout->addWidget(indexGroup_);
    layout->addLayout(buttons);

    // Room for a long seal text and the hints beside their fields, in both languages.
    setMinimumWidth(fontMetrics().averageCharWidth() * 76);

    setTabOrder(name_, password_);
    setTabOrder(password_, up2_);
    setTabOrder(up2_, up1_);
    setTabOrder(up1_, dateFormat_);
    setTabOrder(dateFormat_, down_);
    setTabOrder(down_, sizeX_);
    setTabOrder(sizeX_, sizeY_);
    setTabOrder(sizeY_, profile_);
    setTabOrder(profile_, browseProfile_);
    setTabOrder(browseProfile_, detail_);
    setTabOrder(detail_, ok_);
    setTabOrder(ok_, cancel_);
}

void SealFormDialog::applyTexts(const SealFormTexts& texts) {
    setWindowTitle(texts.windowTitle);
    nameGroup_->setTitle(texts.nameGroup);
    passwordGroup_->setTitle(texts.passwordGroup);
    showCaption(passwordHint_, texts.passwordHint);
    up2Label_->setText(texts.up2Label);
    up1Label_->setText(texts.up1Label);
    downLabel_->setText(texts.downLabel);
    showCaption(upperTextsHint_, texts.upperTextsHint);
    dateFormatLabel_->setText(texts.dateFormatLabel);
    showCaption(dateFormatHint_, texts.dateFormatHint);
    sizeGroup_->setTitle(texts.sizeGroup);
    sizeXLabel_->setText(texts.sizeX);
    sizeYLabel_->setText(texts.sizeY);
    showCaption(sizeNote_, texts.sizeNote);
    profileGroup_->setTitle(texts.profileGroup);
    browseProfile_->setText(texts.browseProfile);
    indexGroup_->setTitle(texts.indexPathGroup);
    detail_->setText(texts.detail);
    ok_->setText(texts.ok);
    cancel_->setText(texts.cancel);
}

void SealFormDialog::showValues() {
    name_->setText(model_.name());
    if (!model_.nameEditable())
        makeReadOnlyField(name_);
    password_->clear();
    up2_->setText(model_.up2());
    up1_->setText(model_.up1());
    down_->setText(model_.down());
    fillList(dateFormat_, model_.dateFormats());
    fillList(sizeX_, model_.sizesX());
    fillList(sizeY_, model_.sizesY());
    showProfile();
    indexPath_->setText(fromCp932(model_.indexPath()));
    indexPath_->setCursorPosition(0);
}

void SealFormDialog::showProfile() {
    if (profile_->text() != model_.profile())
        profile_->setText(model_.profile());
}

void SealFormDialog::connectControls() {
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.setName(t); });
    connect(password_, &QLineEdit::textChanged, this,
            [this](const QString& t) { model_.setPassword(t); });
    connect(up2_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.setUp2(t); });
    connect(up1_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.setUp1(t); });
    connect(down_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.setDown(t); });
    connect(profile_, &QLineEdit::textEdited, this,
            [this](const QString& t) { model_.setProfile(t); });
    connect(dateFormat_, &QComboBox::currentIndexChanged, this,
            [this](int row) { model_.selectDateFormat(row); });
    connect(sizeX_, &QComboBox::currentIndexChanged, this,
            [this](int row) { model_.selectSizeX(row); });
    connect(sizeY_, &QComboBox::currentIndexChanged, this,
            [this](int row) { model_.selectSizeY(row); });
    connect(browseProfile_, &QPushButton::clicked, this, [this] {
        model_.browseProfile(fileChooser_);
        showProfile();
    });
    connect(detail_, &QPushButton::clicked, this, &SealFormDialog::openDetail);
    connect(ok_, &QPushButton::clicked, this, &SealFormDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &SealFormDialog::reject);
}

void SealFormDialog::openDetail() {
    FontDetailModel detail = model_.fontDetail();
    CDlgDetail dialog(detail, fontChooser_, this);
    if (dialog.exec() == QDialog::Accepted && dialog.fonts())
        model_.setFonts(*dialog.fonts());
}

void SealFormDialog::accept() {
    if (model_.accept() == SealFormOutcome::Ok)
        QDialog::accept();
}

} // namespace vermil
