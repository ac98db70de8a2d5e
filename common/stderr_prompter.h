#pragma once

#include "prompter.h"

namespace vermil {

// The prompter of the command-line verbs: messages go to stderr in UTF-8, and a
// question is answered No at once (a verb never waits for input).
class StderrPrompter : public Prompter {
public:
    void showMessage(const QString& text, MessageIcon icon = MessageIcon::Warning) override;
    bool askYesNo(const QString& text, MessageIcon icon = MessageIcon::Question) override;
};

} // namespace vermil
