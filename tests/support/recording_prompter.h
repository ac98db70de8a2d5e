#pragma once

#include "common/interaction/prompter.h"

#include <QStringList>

#include <deque>

namespace vermil {

// Records every message and question and answers questions from a script,
// so tests check exact texts without a display.
class RecordingPrompter : public Prompter {
public:
    void showMessage(const QString& text, MessageIcon icon = MessageIcon::Warning) override {
        messages.append(text);
        icons.push_back(icon);
    }
    bool askYesNo(const QString& text, MessageIcon = MessageIcon::Question) override {
        questions.append(text);
        if (answers.empty())
            return defaultAnswer;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QStringList messages;
    std::deque<MessageIcon> icons;
    QStringList questions;
    std::deque<bool> answers;
    bool defaultAnswer = false;
};

} // namespace vermil
