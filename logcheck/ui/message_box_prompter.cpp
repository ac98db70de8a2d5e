#include "message_box_prompter.h"

#include "logcheck/checker_texts.h"

#include <QMessageBox>

namespace vermil {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void MessageBoxPrompter::showMessage(const QString& text, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), checkertexts::windowTitle, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool MessageBoxPrompter::askYesNo(const QString& text, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), checkertexts::windowTitle, text,
                    QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

} // namespace vermil
