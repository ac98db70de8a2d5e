// trailscan: the stamp log checker. A verb runs without a window; otherwise the dialog.
#include "logcheck/trailscan_arguments.h"
#include "logcheck/ui/ctrailscan_app.h"

#include "common/cli/verb_runner.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace vermil::cli;
    const VerbChoice choice =
        chooseVerb(vermil::trailscanVerbs(), std::vector<std::string>(argv + 1, argv + argc),
                   std::cin, std::cout, std::cerr);
    if (!choice.call)
        return exitCode(choice.status);
    if (choice.call->verb().run)
        return exitCode(choice.call->run());
    const std::vector<std::string>& logFile = choice.call->operands();
    vermil::CtrailscanApp app(argc, argv);
    return app.run(logFile.empty() ? std::nullopt : std::optional<std::string>(logFile.front()));
}
