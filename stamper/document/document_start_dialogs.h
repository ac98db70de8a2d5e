#pragma once

#include <optional>
#include <string>

namespace vermil {

class CVermilinDoc;

// The dialogs a stamp document opens while it starts: the language dialog when no
// language is set, and the index settings dialog when the user asks for it after
// the missing index warning. The program binds real dialogs; tests answer
// without a window.
class DocumentStartDialogs {
public:
    virtual ~DocumentStartDialogs() = default;
    // "Japanese" or "English"; nullopt when the dialog is cancelled.
    virtual std::optional<std::string> chooseLanguage() = 0;
    // May change the document's index path, language and per-user values.
    virtual void editIndexSettings(CVermilinDoc& document) = 0;
};

} // namespace vermil
