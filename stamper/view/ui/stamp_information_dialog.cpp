#include "stamper/view/ui/stamp_information_dialog.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vermil {

CKakuninDialog::CKakuninDialog(const StampInformationModel& model, QWidget* parent)
    : QDialog(parent) {
    buildControls();
    applyTexts(StampInformationTexts::of(model.language()));
    // The text ends each line in CR LF; the box shows one break per line.
    QString text = model.text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text_->setPlainText(text);
    resize(460, 260);
}

void CKakuninDialog::buildControls() {
    text_ = new QPlainTextEdit(this);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setTabChangesFocus(true); // Tab goes on to Close
    auto* buttons = new QDialogButtonBox(this);
    close_ = buttons->addButton(QDialogButtonBox::Close);
    close_->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(buttons);
}

void CKakuninDialog::applyTexts(const StampInformationTexts& texts) {
    setWindowTitle(texts.windowTitle);
    close_->setText(texts.close);
}

} // namespace vermil
