// trailscan: the stamp log checker. A verb runs without a window; otherwise the dialog.
#include "logcheck/check_command.h"
#include "logcheck/checker_language.h"
#include "logcheck/trailscan_arguments.h"
#include "logcheck/ui/ctrailscan_app.h"

#include "common/hanko_folders.h"
#include "common/stderr_prompter.h"

#include <cstdio>

int main(int argc, char** argv) {
    using vermil::TrailscanCommand;
    const TrailscanCommand command =
        vermil::parseTrailscanArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.verb) {
    case TrailscanCommand::Verb::Help:
        std::fputs(vermil::trailscanHelpText().c_str(), stdout);
        return 0;
    case TrailscanCommand::Verb::Usage:
        std::fprintf(stderr, "trailscan: %s\n%s", command.problem.c_str(),
                     vermil::trailscanHelpText().c_str());
        return vermil::checkFailed;
    case TrailscanCommand::Verb::Check: {
        vermil::StderrPrompter prompter;
        vermil::CheckRequest request;
        request.logPath = command.logPath;
        request.language = vermil::checkerLanguage(vermil::findHankoFolder(nullptr));
        return vermil::runCheckCommand(request, stdout, prompter);
    }
    case TrailscanCommand::Verb::Dialog:
        break;
    }
    vermil::CtrailscanApp app(argc, argv);
    return app.run(command.pathGiven ? std::optional<std::string>(command.logPath) : std::nullopt);
}
