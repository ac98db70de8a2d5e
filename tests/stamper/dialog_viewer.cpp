// Opens the seal dialog, the password change dialog or the page view of a PDF over
// the stamp document of the current HOME, as the program's commands do, to look at
// them (window-shot):
//   vermilin_dialog_viewer stamp|password|pdf FILE.pdf
#include "render/seal_fonts.h"
#include "stamper/document/document_start_dialogs.h"
#include "stamper/document/stamp_document.h"
#include "stamper/pdf/pdf_stamp_view_model.h"
#include "stamper/pdf/ui/pdf_stamp_view.h"
#include "stamper/sealdialog/seal_dialog_document.h"
#include "stamper/sealdialog/ui/seal_dialog_commands.h"
#include "widgets/dialog_file_chooser.h"
#include "widgets/message_box_prompter.h"

#include <QApplication>

#include <cstring>
#include <iostream>

namespace {

class NoStartDialogs : public vermil::DocumentStartDialogs {
public:
    std::optional<std::string> chooseLanguage() override { return std::nullopt; }
    void editIndexSettings(vermil::CVermilinDoc&) override {}
};

bool isCall(int argc, char** argv) {
    if (argc == 3)
        return std::strcmp(argv[1], "pdf") == 0;
    return argc == 2 &&
           (std::strcmp(argv[1], "stamp") == 0 || std::strcmp(argv[1], "password") == 0);
}

int showPdf(vermil::CVermilinDoc& document, vermil::Prompter& prompter, const char* file) {
    vermil::SealDialogCommands taker;
    vermil::PdfStampViewModel model(document, prompter, taker);
    if (!model.open(file))
        return 1;
    vermil::DialogFileChooser chooser;
    vermil::CPdfStampView view(model, chooser);
    return view.exec() == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (!isCall(argc, argv)) {
        std::cerr << "usage: vermilin_dialog_viewer stamp|password|pdf FILE.pdf\n";
        return 2;
    }
    QApplication app(argc, argv);
    vermil::installSealFontSubstitutions();
    vermil::MessageBoxPrompter prompter(QStringLiteral("vermilin"));
    NoStartDialogs dialogs;
    vermil::CVermilinDoc document(prompter, dialogs);
    document.setWritesSettingsAtClose(false);
    if (std::strcmp(argv[1], "pdf") == 0)
        return showPdf(document, prompter, argv[2]);
    if (std::strcmp(argv[1], "password") == 0)
        return vermil::runPasswordChangeDialog(document) ? 0 : 1;
    const auto stamp = vermil::runSealDialog(document);
    if (stamp)
        std::cout << "accepted with " << stamp->outputs.sealName.size() << "-byte seal name\n";
    return stamp ? 0 : 1;
}
