// vermilin: the stamping program. A verb runs without a window; otherwise the
// main window, or the embedded-object window of -Embedding FILE.
#include "cli/command_line.h"
#include "cli/verb_application.h"
#include "stamper/sealdialog/ui/seal_dialog_commands.h"
#include "stamper/view/ui/vermilin_app.h"

#include "common/cli/verb_runner.h"

#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

int runWindow(const vermil::cli::VerbCall& call, int& argc, char** argv) {
    vermil::CVermilinApp app(argc, argv);
    vermil::SealDialogCommands sealDialogs;
    app.setStampTaker(&sealDialogs);
    app.setPasswordChanger(&sealDialogs);
    if (call.verb().name == vermil::cli::embeddingVerb)
        return app.runEmbedded(call.operands().at(0));
    return app.runStandAlone();
}

} // namespace

int main(int argc, char** argv) {
    using namespace vermil::cli;
    const VerbChoice choice =
        chooseVerb(vermilinVerbs(), std::vector<std::string>(argv + 1, argv + argc), std::cin,
                   std::cout, std::cerr);
    if (!choice.call)
        return exitCode(choice.status);
    try {
        if (!choice.call->verb().run)
            return runWindow(*choice.call, argc, argv);
        const auto app = applicationForVerb(choice.call->verb().application, argc, argv);
        return exitCode(choice.call->run());
    } catch (const std::exception& e) {
        // A start-up that fails ends the program with a status of its own.
        std::cerr << "vermilin: " << e.what() << "\n";
        return exitCode(ExitStatus::Fault);
    }
}
