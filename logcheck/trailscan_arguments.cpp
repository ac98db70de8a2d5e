#include "trailscan_arguments.h"

namespace vermil {

TrailscanCommand parseTrailscanArguments(const std::vector<std::string>& arguments) {
    TrailscanCommand command;
    std::vector<std::string> paths;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            command.verb = TrailscanCommand::Verb::Help;
            return command;
        } else if (!optionsEnded && argument == "--check") {
            command.verb = TrailscanCommand::Verb::Check;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            command.verb = TrailscanCommand::Verb::Usage;
            command.problem = "unknown option " + argument;
            return command;
        } else {
            paths.push_back(argument);
        }
    }
    if (paths.size() > 1) {
        command.verb = TrailscanCommand::Verb::Usage;
        command.problem = "more than one log file given";
        return command;
    }
    if (!paths.empty()) {
        command.logPath = paths.front();
        command.pathGiven = true;
    }
    if (command.verb == TrailscanCommand::Verb::Check && !command.pathGiven) {
        command.verb = TrailscanCommand::Verb::Usage;
        command.problem = "--check needs the log file to check";
    }
    return command;
}

std::string trailscanHelpText() {
    return "Usage: trailscan [LOGFILE]\n"
           "       trailscan --check LOGFILE\n"
           "\n"
           "Checks a stamp log line by line: each line's check code is computed again\n"
           "and the line is OK when it matches the code stored in the line, NG when not.\n"
           "\n"
           "  LOGFILE          open the checker window with this log\n"
           "  --check LOGFILE  check without a window: each line as read, then two\n"
           "                   blanks, the computed code, two blanks and OK or NG; last\n"
           "                   the line \"Total: N  OK: n  NG: m\" (UTF-8 on stdout)\n"
           "  --help           show this text\n"
           "\n"
           "Exit status of --check: 0 every line OK, 1 some line NG, 2 the log could not\n"
           "be read or the command line is wrong.\n";
}

} // namespace vermil
