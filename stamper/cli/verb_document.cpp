#include "verb_document.h"

#include "common/hanko_folders.h"

namespace vermil::cli {

VerbDocument::VerbDocument(Prompter& prompter)
    : document_(prompter, dialogs_, locateDocumentsFolder(FolderUse::ReadOnly)) {
    document_.setWritesSettingsAtClose(false);
}

} // namespace vermil::cli
