// vrmgr: the seal manager. Until its window exists, it answers on the command line.
#include "cli/verbs.h"

#include "common/cli/verb_runner.h"

#include <QCoreApplication>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return vermil::cli::runVerbs(vermil::vrmgrVerbs(),
                                 std::vector<std::string>(argv + 1, argv + argc), std::cin,
                                 std::cout, std::cerr);
}
