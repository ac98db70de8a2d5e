#pragma once

#include <string>

namespace vermil {

class CVermilinDoc;
class DocumentStartDialogs;

// The language dialog (CLangDlg) without its widgets: "Japanese" is selected when
// it opens; OK gives "Japanese" or "English", Cancel nothing.
class LanguageDialogModel {
public:
    enum class Choice { Japanese = 0, English = 1 };

    Choice choice() const { return choice_; }
    void setChoice(Choice choice) { choice_ = choice; }
    // The value the language takes on OK.
    std::string accept() const;

private:
    Choice choice_ = Choice::Japanese;
};

// After the settings dialog: when the document's language is empty (no entry was
// selected), the language dialog asks for one; cancelled, it stays empty.
void chooseLanguageWhenEmpty(CVermilinDoc& document, DocumentStartDialogs& dialogs);

} // namespace vermil
