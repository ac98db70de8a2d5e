#pragma once

#include "common/interaction/prompter.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace vermil {

// The prompter of the windows: real message boxes with the program's caption,
// over `parent`, or over the active window when there is none.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QString caption, QWidget* parent = nullptr);

    void setParentWidget(QWidget* parent) { parent_ = parent; }

    void showMessage(const QString& text, MessageIcon icon = MessageIcon::Warning) override;
    bool askYesNo(const QString& text, MessageIcon icon = MessageIcon::Question) override;
    bool askOkCancel(const QString& text, MessageIcon icon = MessageIcon::Question) override;

private:
    QWidget* owner() const;

    QString caption_;
    QPointer<QWidget> parent_;
};

} // namespace vermil
