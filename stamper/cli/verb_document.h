#pragma once

#include "stamper/document/document_start_dialogs.h"
#include "stamper/document/stamp_document.h"

namespace vermil {
class Prompter;
}

namespace vermil::cli {

// The stamp document of a verb. It starts as the program's does, from the hanko
// folder (which it does not create), and asks nothing: a missing language stays
// empty (English), the warning of a missing index goes to the prompter and is
// answered No. It writes none of its settings back.
class VerbDocument {
public:
    explicit VerbDocument(Prompter& prompter);

    CVermilinDoc& operator*() { return document_; }
    CVermilinDoc* operator->() { return &document_; }

private:
    class NoStartDialogs : public DocumentStartDialogs {
    public:
        std::optional<std::string> chooseLanguage() override { return std::nullopt; }
        void editIndexSettings(CVermilinDoc&) override {}
    };

    NoStartDialogs dialogs_;
    CVermilinDoc document_;
};

} // namespace vermil::cli
