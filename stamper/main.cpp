// vermilin: the stamping program. Until its window exists it answers the
// command-line verbs only.
#include "cli/command_line.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::unique_ptr<QCoreApplication> app;
    if (vermil::cli::verbPaints(arguments)) {
        // A verb draws without a window, so it also runs where there is no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return vermil::cli::runCommandLine(arguments, std::cout, std::cerr);
}
