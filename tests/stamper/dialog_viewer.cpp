// Opens the seal dialog or the password change dialog over the stamp document of
// the current HOME, as the program's commands do, to look at them (window-shot):
//   vermilin_dialog_viewer stamp|password
#include "render/seal_fonts.h"
#include "stamper/document_start_dialogs.h"
#include "stamper/seal_dialog_document.h"
#include "stamper/stamp_document.h"
#include "stamper/ui/seal_dialogs.h"
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

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 ||
        (std::strcmp(argv[1], "stamp") != 0 && std::strcmp(argv[1], "password") != 0)) {
        std::cerr << "usage: vermilin_dialog_viewer stamp|password\n";
        return 2;
    }
    QApplication app(argc, argv);
    vermil::installSealFontSubstitutions();
    vermil::MessageBoxPrompter prompter(QStringLiteral("vermilin"));
    NoStartDialogs dialogs;
    vermil::CVermilinDoc document(prompter, dialogs);
    document.setWritesSettingsAtClose(false);
    if (std::strcmp(argv[1], "password") == 0)
        return vermil::runPasswordChangeDialog(document) ? 0 : 1;
    const auto stamp = vermil::runSealDialog(document);
    if (stamp)
        std::cout << "stamped with " << stamp->sealName.size() << "-byte seal name\n";
    return stamp ? 0 : 1;
}
