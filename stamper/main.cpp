// vermilin: the stamping program. A verb runs without a window; otherwise the
// main window, or the embedded-object window of -Embedding FILE.
#include "cli/command_line.h"
#include "stamper/sealdialog/ui/seal_dialog_commands.h"
#include "stamper/view/ui/vermilin_app.h"

#include "common/cli/verb_runner.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

QtMessageHandler qtMessages = nullptr;

// A verb's stderr carries its own messages. Qt's note that it picked a runtime
// folder itself (a shell without a desktop session has none) says nothing to the
// user of a command line, so it is left out; every other message passes.
void dropRuntimeFolderNote(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (qtMessages)
        qtMessages(type, context, message);
}

std::unique_ptr<QCoreApplication> startApplication(vermil::cli::VerbApplication kind, int& argc,
                                                   char** argv) {
    switch (kind) {
    case vermil::cli::VerbApplication::Core:
        break;
    case vermil::cli::VerbApplication::Gui:
        // A verb draws without a window, so it also runs where there is no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qtMessages = qInstallMessageHandler(dropRuntimeFolderNote);
        return std::make_unique<QGuiApplication>(argc, argv);
    case vermil::cli::VerbApplication::Widgets:
        return std::make_unique<QApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

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
        const auto app = startApplication(choice.call->verb().application, argc, argv);
        return exitCode(choice.call->run());
    } catch (const std::exception& e) {
        // A start-up that fails ends the program with a status of its own.
        std::cerr << "vermilin: " << e.what() << "\n";
        return exitCode(ExitStatus::Fault);
    }
}
