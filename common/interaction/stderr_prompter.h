#pragma once

#include "common/interaction/prompter.h"

#include <iosfwd>

namespace vermil {

// The prompter of the command-line verbs: messages go to the verb's error stream
// (stderr unless told otherwise) in UTF-8, and a question is answered No at once
// (a verb never waits for input).
class StderrPrompter : public Prompter {
public:
    StderrPrompter();
    explicit StderrPrompter(std::ostream& err) : err_(&err) {}

    void showMessage(const QString& text, MessageIcon icon = MessageIcon::Warning) override;
    bool askYesNo(const QString& text, MessageIcon icon = MessageIcon::Question) override;

private:
    std::ostream* err_;
};

} // namespace vermil
