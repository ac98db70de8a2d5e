#pragma once

#include <QString>

namespace vermil {

enum class MessageIcon { None, Information, Warning, Error, Question };

// How the logic talks to the user. The programs show real message boxes, the
// command-line verbs write to stderr, tests record. Nothing below the programs'
// ui/ folders ever opens a window itself.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void showMessage(const QString& text, MessageIcon icon = MessageIcon::Warning) = 0;
    // Yes returns true.
    virtual bool askYesNo(const QString& text, MessageIcon icon = MessageIcon::Question) = 0;
    // The same question with OK and Cancel buttons; OK returns true. Prompters
    // without buttons of their own answer it as a yes/no question.
    virtual bool askOkCancel(const QString& text, MessageIcon icon = MessageIcon::Question) {
        return askYesNo(text, icon);
    }
};

} // namespace vermil
