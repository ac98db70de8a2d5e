#include "common/interaction/stderr_prompter.h"

#include <iostream>

namespace vermil {

StderrPrompter::StderrPrompter() : err_(&std::cerr) {}

void StderrPrompter::showMessage(const QString& text, MessageIcon) {
    *err_ << text.toStdString() << '\n';
    err_->flush();
}

bool StderrPrompter::askYesNo(const QString& text, MessageIcon icon) {
    showMessage(text, icon);
    return false;
}

} // namespace vermil
