// vrmgr: the seal manager. A verb runs without a window; otherwise the main dialog.
#include "manager/cli/verbs.h"
#include "manager/ui/vrmgr_app.h"

#include "common/cli/verb_runner.h"

#include <QCoreApplication>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace vermil::cli;
    const VerbChoice choice =
        chooseVerb(vermil::vrmgrVerbs(), std::vector<std::string>(argv + 1, argv + argc), std::cin,
                   std::cout, std::cerr);
    if (!choice.call)
        return exitCode(choice.status);
    if (!choice.call->verb().run) {
        vermil::VrmgrApp app(argc, argv);
        return app.run();
    }
    QCoreApplication app(argc, argv);
    return exitCode(choice.call->run());
}
