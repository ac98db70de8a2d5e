#pragma once

#include "common/prompter.h"

class QWidget;

namespace vermil {

// The prompter of the window: real message boxes over `parent`.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent) : parent_(parent) {}
    void showMessage(const QString& text, MessageIcon icon = MessageIcon::Warning) override;
    bool askYesNo(const QString& text, MessageIcon icon = MessageIcon::Question) override;

private:
    QWidget* parent_;
};

} // namespace vermil
