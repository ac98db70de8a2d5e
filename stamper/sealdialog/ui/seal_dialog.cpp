#include "stamper/sealdialog/ui/seal_dialog.h"

#include "stamper/sealdialog/ui/seal_preview.h"

#include "common/cp932.h"
#include "common/interaction/colour_chooser.h"
#include "widgets/cp932_validator.h"
#include "widgets/password_edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolTip>
#include <QVBoxLayout>

namespace vermil {
namespace {

// Every stored text is CP932: what the validators let through always converts.
std::string stored(const QString& text) {
    return toCp932(text).value_or(std::string());
}

// The comment box shows line feeds; the stamp keeps CR LF.
QString shownComment(const std::string& comment) {
    QString text = fromCp932(comment);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QLabel* footnoteLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    label->setPalette(palette);
    return label;
}

} // namespace

CShouninDialog::CShouninDialog(SealDialogModel& model, ColourChooser& colourChooser,
                               QWidget* parent)
    : QDialog(parent), model_(model), colourChooser_(colourChooser), texts_(model.texts()) {
    buildControls();
    applyTexts(texts_);
    connectControls();
}

void CShouninDialog::buildControls() {
    sealListLabel_ = new QLabel(this);
    sealList_ = new SealNameList(this);
    sealListLabel_->setBuddy(sealList_);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(sealListLabel_);
    listColumn->addWidget(sealList_, 1);

    informationGroup_ = new QGroupBox(this);
    documentNoLabel_ = new QLabel(informationGroup_);
    nameLabel_ = new QLabel(informationGroup_);
    sectionLabel_ = new QLabel(informationGroup_);
    dateLabel_ = new QLabel(informationGroup_);
    commentLabel_ = new QLabel(informationGroup_);
    documentNoEdit_ = new QLineEdit(informationGroup_);
    nameEdit_ = new QLineEdit(informationGroup_);
    sectionEdit_ = new QLineEdit(informationGroup_);
    dateEdit_ = new QLineEdit(informationGroup_);
    commentEdit_ = new QPlainTextEdit(informationGroup_);
    commentEdit_->setTabChangesFocus(true);
    commentEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Four lines; the seal below takes the room the dialog has to spare.
    commentEdit_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    commentEdit_->setFixedHeight(commentEdit_->fontMetrics().lineSpacing() * 4 +
                                 2 * commentEdit_->frameWidth() + 8);
    auto* form = new QFormLayout(informationGroup_);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const std::pair<QLabel*, QWidget*> rows[] = {{documentNoLabel_, documentNoEdit_},
                                                 {nameLabel_, nameEdit_},
                                                 {sectionLabel_, sectionEdit_},
                                                 {dateLabel_, dateEdit_},
                                                 {commentLabel_, commentEdit_}};
    for (const auto& [label, field] : rows) {
        label->setBuddy(field);
        form->addRow(label, field);
    }
    for (QLineEdit* edit : {documentNoEdit_, nameEdit_, sectionEdit_, dateEdit_})
        edit->setValidator(new Cp932Validator(edit));

    preview_ = new SealPreview(this);
    preview_->dateEdit()->setValidator(new Cp932Validator(preview_->dateEdit()));
    profileGroup_ = new QGroupBox(this);
    profileEdit_ = new QLineEdit(profileGroup_);
    profileEdit_->setReadOnly(true);
    profileEdit_->setFocusPolicy(Qt::ClickFocus);
    (new QVBoxLayout(profileGroup_))->addWidget(profileEdit_);
    colourButton_ = new QPushButton(this);
    colourButton_->setAutoDefault(false);
    passwordGroup_ = new QGroupBox(this);
    passwordEdit_ = new PasswordEdit(passwordGroup_);
    savePasswordBox_ = new QCheckBox(passwordGroup_);
    auto* passwordLayout = new QVBoxLayout(passwordGroup_);
    passwordLayout->addWidget(passwordEdit_);
    passwordLayout->addWidget(savePasswordBox_);

    auto* sealSide = new QVBoxLayout;
    sealSide->addWidget(profileGroup_);
    sealSide->addWidget(colourButton_, 0, Qt::AlignLeft);
    sealSide->addStretch(1);
    sealSide->addWidget(passwordGroup_);
    auto* sealRow = new QHBoxLayout;
    sealRow->addWidget(preview_, 1);
    sealRow->addLayout(sealSide, 1);

    auto* fieldsColumn = new QVBoxLayout;
    fieldsColumn->addWidget(informationGroup_);
    fieldsColumn->addLayout(sealRow, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(listColumn, 2);
    top->addLayout(fieldsColumn, 5);

    userLabel_ = footnoteLabel(this);
    userValue_ = footnoteLabel(this);
    indexLabel_ = footnoteLabel(this);
    indexValue_ = footnoteLabel(this);
    indexValue_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    for (QLabel* label : {userValue_, indexValue_})
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(this);
    okButton_ = buttons->addButton(QDialogButtonBox::Ok);
    cancelButton_ = buttons->addButton(QDialogButtonBox::Cancel);
    okButton_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CShouninDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CShouninDialog::reject);
    auto* footer = new QHBoxLayout;
    footer->addWidget(userLabel_);
    footer->addWidget(userValue_);
    footer->addSpacing(16);
    footer->addWidget(indexLabel_);
    footer->addWidget(indexValue_, 1);
    footer->addSpacing(16);
    footer->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(footer);

    // The button box orders its own buttons; naming them here as well closes
    // the chain into a loop between OK and Cancel.
    QWidget* order[] = {
        sealList_,    documentNoEdit_,      nameEdit_,     sectionEdit_,  dateEdit_,
        commentEdit_, preview_->dateEdit(), colourButton_, passwordEdit_, savePasswordBox_,
        buttons};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void CShouninDialog::applyTexts(const SealDialogTexts& texts) {
    setWindowTitle(texts.windowTitle);
    sealListLabel_->setText(texts.stampSelection);
    informationGroup_->setTitle(texts.sealInformation);
    documentNoLabel_->setText(texts.documentNo);
    nameLabel_->setText(texts.name);
    sectionLabel_->setText(texts.section);
    dateLabel_->setText(texts.date);
    commentLabel_->setText(texts.comment);
    profileGroup_->setTitle(texts.profile);
    colourButton_->setText(texts.colour);
    passwordGroup_->setTitle(texts.password);
    savePasswordBox_->setText(texts.savePassword);
    okButton_->setText(texts.ok);
    cancelButton_->setText(texts.cancel);
    userLabel_->setText(texts.userLine);
    indexLabel_->setText(texts.indexLine);
    preview_->dateEdit()->setToolTip(texts.sealDateHint);
}

void CShouninDialog::bindLineEdit(QLineEdit* edit, void (SealDialogModel::*set)(std::string)) {
    // Through a plain reference: GCC 12's AddressSanitizer reports a stack
    // underflow for a member-pointer call on the reference member itself.
    connect(edit, &QLineEdit::textEdited, this, [this, set](const QString& text) {
        SealDialogModel& model = model_;
        (model.*set)(stored(text));
    });
    if (auto* validator = qobject_cast<const Cp932Validator*>(edit->validator()))
        connect(validator, &Cp932Validator::refused, this, [this, edit] { tellRefused(edit); });
}

void CShouninDialog::connectControls() {
    connect(sealList_, &SealNameList::rowChosen, this, &CShouninDialog::selectRow);
    bindLineEdit(documentNoEdit_, &SealDialogModel::setDocumentNumber);
    bindLineEdit(nameEdit_, &SealDialogModel::setName);
    bindLineEdit(sectionEdit_, &SealDialogModel::setSection);
    bindLineEdit(dateEdit_, &SealDialogModel::setApprovalDate);
    bindLineEdit(passwordEdit_, &SealDialogModel::setPassword);
    bindLineEdit(preview_->dateEdit(), &SealDialogModel::setSealDateText);
    connect(preview_, &SealPreview::sealDateEdited, this,
            [this](const QString& text) { preview_->setSealDateText(stored(text)); });
    connect(commentEdit_, &QPlainTextEdit::textChanged, this, &CShouninDialog::commentChanged);
    connect(savePasswordBox_, &QCheckBox::toggled, this,
            [this](bool save) { model_.setSavePassword(save); });
    connect(colourButton_, &QPushButton::clicked, this, &CShouninDialog::chooseColour);
}

// A character without a Shift-JIS form is taken back out.
void CShouninDialog::commentChanged() {
    const QString text = commentEdit_->toPlainText();
    const auto bytes = toCp932(text);
    if (!bytes) {
        const int position = commentEdit_->textCursor().position();
        const QSignalBlocker blocker(commentEdit_);
        commentEdit_->setPlainText(lastGoodComment_);
        QTextCursor cursor = commentEdit_->textCursor();
        cursor.setPosition(
            std::min(std::max(position - 1, 0), static_cast<int>(lastGoodComment_.size())));
        commentEdit_->setTextCursor(cursor);
        tellRefused(commentEdit_);
        return;
    }
    lastGoodComment_ = text;
    model_.setComment(*bytes);
}

void CShouninDialog::tellRefused(QWidget* where) {
    QApplication::beep();
    QToolTip::showText(where->mapToGlobal(QPoint(0, where->height())), texts_.noShiftJisForm,
                       where);
}

void CShouninDialog::start() {
    if (started_)
        return;
    started_ = true;
    model_.start();
    sealList_->setNames(model_.sealNames());
    showValues();
    // With a seal chosen, the password is what is left to type.
    if (model_.selectedRow() && model_.okEnabled())
        passwordEdit_->setFocus();
    else
        sealList_->setFocus();
}

int CShouninDialog::exec() {
    start();
    if (model_.pressOkAtStart()) {
        setResult(Accepted);
        return Accepted;
    }
    showValues(); // the password as OK left it
    return QDialog::exec();
}

// A seal that fails its checks leaves the controls as they were; OK is disabled.
void CShouninDialog::selectRow(int row) {
    if (row < 0)
        return;
    if (model_.selectSeal(static_cast<std::size_t>(row)))
        showValues();
    showState();
}

void CShouninDialog::chooseColour() {
    if (model_.chooseColour(colourChooser_))
        preview_->setColour(model_.colour());
}

void CShouninDialog::showValues() {
    const QSignalBlocker commentBlocker(commentEdit_);
    const QSignalBlocker saveBlocker(savePasswordBox_);
    sealList_->showRow(model_.selectedRow());
    documentNoEdit_->setText(fromCp932(model_.documentNumber()));
    nameEdit_->setText(fromCp932(model_.name()));
    sectionEdit_->setText(fromCp932(model_.section()));
    dateEdit_->setText(fromCp932(model_.approvalDate()));
    lastGoodComment_ = shownComment(model_.comment());
    commentEdit_->setPlainText(lastGoodComment_);
    const SealDialogOutputs seal = model_.outputs();
    preview_->setSeal(model_.previewInput(), seal.sizeX, seal.sizeY);
    profileEdit_->setText(fromCp932(model_.profileName()));
    passwordEdit_->setText(fromCp932(model_.password()));
    savePasswordBox_->setChecked(model_.savePassword());
    userValue_->setText(fromCp932(model_.inputs().windowsUser));
    showIndexPath();
    showState();
}

void CShouninDialog::showState() {
    okButton_->setEnabled(model_.okEnabled());
}

void CShouninDialog::showIndexPath() {
    const QString path = fromCp932(model_.inputs().indexPath);
    indexValue_->setToolTip(path);
    indexValue_->setText(
        indexValue_->fontMetrics().elidedText(path, Qt::ElideMiddle, indexValue_->width()));
}

void CShouninDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    showIndexPath();
}

void CShouninDialog::accept() {
    switch (model_.accept()) {
    case SealDialogModel::Outcome::Accepted:
        QDialog::accept();
        return;
    case SealDialogModel::Outcome::NoSealSelected:
        sealList_->setFocus();
        return;
    case SealDialogModel::Outcome::WrongPassword:
        passwordEdit_->setFocus();
        passwordEdit_->selectAll();
        return;
    case SealDialogModel::Outcome::SealNotChecked:
        return;
    }
}

} // namespace vermil
