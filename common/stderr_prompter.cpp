#include "stderr_prompter.h"

#include <cstdio>

namespace vermil {

void StderrPrompter::showMessage(const QString& text, MessageIcon) {
    const QByteArray utf8 = text.toUtf8();
    std::fprintf(stderr, "%s\n", utf8.constData());
    std::fflush(stderr);
}

bool StderrPrompter::askYesNo(const QString& text, MessageIcon icon) {
    showMessage(text, icon);
    return false;
}

} // namespace vermil
