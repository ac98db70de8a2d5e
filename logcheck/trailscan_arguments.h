#pragma once

#include <string>
#include <vector>

namespace vermil {

// What the trailscan command line asks for.
struct TrailscanCommand {
    enum class Verb { Dialog, Check, Help, Usage };
    Verb verb = Verb::Dialog;
    std::string logPath; // native path; empty: the dialog's own start path
    bool pathGiven = false;
    std::string problem; // for Usage: what was wrong
};

TrailscanCommand parseTrailscanArguments(const std::vector<std::string>& arguments);

// The text of --help.
std::string trailscanHelpText();

} // namespace vermil
