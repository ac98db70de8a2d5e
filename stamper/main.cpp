// vermilin: the stamping program. Until its window exists it answers the
// command-line verbs only.
#include "cli/command_line.h"

#include <QCoreApplication>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return vermil::cli::runCommandLine(arguments, std::cout, std::cerr);
}
