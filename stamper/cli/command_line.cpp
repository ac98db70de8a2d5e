#include "command_line.h"

#include "info_verb.h"
#include "render_verb.h"

#include <array>
#include <ostream>
#include <string_view>

namespace vermil::cli {
namespace {

struct Verb {
    std::string_view name;
    std::string_view operands;
    std::string_view summary;
    std::size_t minOperands;
    std::size_t maxOperands;
    bool paints; // needs fonts and a GUI application object
    int (*run)(const std::vector<std::string>& operands, std::ostream& out, std::ostream& err);
};

int printHelp(const std::vector<std::string>&, std::ostream& out, std::ostream&);

constexpr std::array<Verb, 3> verbs{{
    {"--info", "STAMPFILE", "print who stamped, when, and with which fields", 1, 1, false,
     runInfoVerb},
    {"--render", "STAMPFILE --out FILE.svg|.png|.pdf [--dpi N]",
     "draw the stamp's picture (PNG at 600 dpi unless --dpi says otherwise)", 3, 5, true,
     runRenderVerb},
    {"--help", "", "list the verbs", 0, 0, false, printHelp},
}};

void printUsage(std::ostream& to) {
    to << "Usage: vermilin VERB [ARGUMENTS]\n\nVerbs:\n";
    for (const Verb& verb : verbs) {
        std::string synopsis(verb.name);
        if (!verb.operands.empty())
            synopsis.append(" ").append(verb.operands);
        to << "  " << synopsis << "\n      " << verb.summary << "\n";
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

bool verbPaints(const std::vector<std::string>& arguments) {
    const Verb* verb = arguments.empty() ? nullptr : findVerb(arguments.front());
    return verb && verb->paints;
}

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
    if (operands.size() < verb->minOperands || operands.size() > verb->maxOperands) {
        err << "vermilin: " << verb->name << " takes "
            << (verb->operands.empty() ? std::string_view("no arguments") : verb->operands)
            << "\n\n";
        printUsage(err);
        return exitUsageOrFileError;
    }
    return verb->run(operands, out, err);
}

} // namespace vermil::cli
