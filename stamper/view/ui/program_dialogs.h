#pragma once

#include "common/language.h"
#include "stamper/document/document_start_dialogs.h"

#include <QPointer>
#include <QWidget>

namespace vermil {

class CVermilinDoc;
class FileChooser;
class Prompter;

// The stamping program's dialogs over one document: the language and settings
// dialogs the document opens while it starts (and the settings command), the log
// path dialog, the stamp information and the About box. Each runs modally over
// the parent widget once there is one.
class ProgramDialogs : public DocumentStartDialogs {
public:
    ProgramDialogs(Prompter& prompter, FileChooser& chooser);

    void setParentWidget(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> chooseLanguage() override;
    // The settings dialog, then the language dialog when no language was chosen.
    void editIndexSettings(CVermilinDoc& document) override;
    void editLogPath(CVermilinDoc& document);
    void showStampInformation(const CVermilinDoc& document);
    void showAbout(Language language);

private:
    Prompter& prompter_;
    FileChooser& chooser_;
    QPointer<QWidget> parent_;
};

} // namespace vermil
