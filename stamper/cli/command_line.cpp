#include "command_line.h"

#include "info_verb.h"

#include <array>
#include <ostream>
#include <string_view>

namespace vermil::cli {
namespace {

struct Verb {
    std::string_view name;
    std::string_view operands;
    std::string_view summary;
    std::size_t operandCount;
    int (*run)(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err);
};

int printHelp(const std::vector<std::string>&, std::ostream& out, std::ostream&);

constexpr std::array<Verb, 2> verbs{{
    {"--info", "STAMPFILE", "print who stamped, when, and with which fields", 1, runInfoVerb},
    {"--help", "", "list the verbs", 0, printHelp},
}};

void printUsage(std::ostream& to) {
    to << "Usage: vermilin VERB [ARGUMENTS]\n\nVerbs:\n";
    for (const Verb& verb : verbs) {
        std::string synopsis(verb.name);
        if (!verb.operands.empty())
            synopsis.append(" ").append(verb.operands);
        to << "  " << synopsis << std::string(synopsis.size() < 20 ? 20 - synopsis.size() : 1, ' ')
           << verb.summary << "\n";
    }
}

int printHelp(const std::vector<std::string>&, std::ostream& out, std::ostream&) {
    printUsage(out);
    return exitSuccess;
}

const Verb* findVerb(std::string_view name) {
    for (const Verb& verb : verbs)
        if (verb.name == name)
            return &verb;
    return nullptr;
}

} // namespace

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
    if (arguments.empty()) {
        printUsage(err);
        return exitUsageOrFileError;
    }
    const Verb* verb = findVerb(arguments.front());
    if (!verb) {
        err << "vermilin: unknown verb " << arguments.front() << "\n\n";
        printUsage(err);
        return exitUsageOrFileError;
    }
    const std::vector<std::string> operands(arguments.begin() + 1, arguments.end());
    if (operands.size() != verb->operandCount) {
        err << "vermilin: " << verb->name << " takes "
            << (verb->operands.empty() ? std::string_view("no arguments") : verb->operands)
            << "\n\n";
        printUsage(err);
        return exitUsageOrFileError;
    }
    return verb->run(operands, out, err);
}

} // namespace vermil::cli
