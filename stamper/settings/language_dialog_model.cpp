#include "stamper/settings/language_dialog_model.h"

#include "stamper/document/document_start_dialogs.h"
#include "stamper/document/stamp_document.h"

namespace vermil {

std::string LanguageDialogModel::accept() const {
    return choice_ == Choice::Japanese ? "Japanese" : "English";
}

void chooseLanguageWhenEmpty(CVermilinDoc& document, DocumentStartDialogs& dialogs) {
    if (!document.language().empty())
        return;
    if (auto chosen = dialogs.chooseLanguage())
        document.setLanguage(*chosen);
}

} // namespace vermil
