// vermilin: the stamping program. Until its window exists it answers the
// command-line verbs only.
#include "cli/command_line.h"

#include "common/cli/verb_runner.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<QCoreApplication> startApplication(vermil::cli::VerbApplication kind, int& argc,
                                                   char** argv) {
    switch (kind) {
    case vermil::cli::VerbApplication::Core:
        break;
    case vermil::cli::VerbApplication::Gui:
        // A verb draws without a window, so it also runs where there is no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    case vermil::cli::VerbApplication::Widgets:
        return std::make_unique<QApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    using namespace vermil::cli;
    const VerbChoice choice =
        chooseVerb(vermilinVerbs(), std::vector<std::string>(argv + 1, argv + argc), std::cin,
                   std::cout, std::cerr);
    if (!choice.call)
        return exitCode(choice.status);
    const auto app = startApplication(choice.call->verb().application, argc, argv);
    return exitCode(choice.call->run());
}
