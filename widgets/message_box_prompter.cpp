#include "message_box_prompter.h"

#include <QApplication>
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

MessageBoxPrompter::MessageBoxPrompter(QString caption, QWidget* parent)
    : caption_(std::move(caption)), parent_(parent) {}

QWidget* MessageBoxPrompter::owner() const {
    if (parent_)
        return parent_;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

void MessageBoxPrompter::showMessage(const QString& text, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), caption_, text, QMessageBox::Ok, owner());
    box.exec();
}

bool MessageBoxPrompter::askYesNo(const QString& text, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), caption_, text, QMessageBox::Yes | QMessageBox::No, owner());
    return box.exec() == QMessageBox::Yes;
}

bool MessageBoxPrompter::askOkCancel(const QString& text, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), caption_, text, QMessageBox::Ok | QMessageBox::Cancel, owner());
    return box.exec() == QMessageBox::Ok;
}

} // namespace vermil
