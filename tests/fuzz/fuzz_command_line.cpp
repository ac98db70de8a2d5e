// Reads arbitrary arguments (NUL-separated) as the command lines of the three
// programs, and every argument as the values of --at, --dpi, --page, --number and
// --format. A value is taken only inside its range, and a taken value written
// out again reads back the same.
#include "common/cli/verb_call.h"
#include "common/cli/verb_runner.h"
#include "common/cli/whole_number.h"
#include "logcheck/trailscan_arguments.h"
#include "manager/cli/verbs.h"
#include "render/picture_size.h"
#include "stamper/cli/command_line.h"
#include "stamper/cli/page_point.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

void require(bool property) {
    if (!property)
        __builtin_trap();
}

// The whole-number options and their ranges, as the verbs ask for them.
struct NumberOption {
    std::string_view name;
    int fallback, min, max;
};
constexpr NumberOption numberOptions[] = {
    {"--dpi", vermil::defaultPictureDpi, vermil::minPictureDpi, vermil::maxPictureDpi},
    {"--page", 1, 1, vermil::cli::maxPageNumber},
    {"--number", 1, 1, std::numeric_limits<int>::max()},
};

void checkWholeNumber(std::string_view text) {
    for (const NumberOption& option : numberOptions) {
        const auto number = vermil::cli::wholeNumberIn(text, option.min, option.max);
        if (!number)
            continue;
        require(*number >= option.min && *number <= option.max);
        require(vermil::cli::wholeNumberIn(std::to_string(*number), option.min, option.max) ==
                number);
    }
}

std::string shortest(double value) {
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    require(ec == std::errc());
    return std::string(text, end);
}

void checkPagePoint(std::string_view text) {
    const auto point = vermil::cli::pagePointIn(text);
    if (!point)
        return;
    require(std::isfinite(point->xMm) && std::isfinite(point->yMm));
    const auto again = vermil::cli::pagePointIn(shortest(point->xMm) + "," + shortest(point->yMm));
    require(again && again->xMm == point->xMm && again->yMm == point->yMm);
}

void checkReportFormat(std::string_view text) {
    const auto format = vermil::reportFormatNamed(text);
    if (format)
        require(text == (*format == vermil::ReportFormat::Json ? "json" : "text"));
}

// A chosen call holds only what the command line gave, its numbers in range.
void checkCommandLine(const vermil::cli::VerbTable& table,
                      const std::vector<std::string>& arguments) {
    std::istringstream in;
    std::ostringstream out, err;
    const vermil::cli::VerbChoice choice = vermil::cli::chooseVerb(table, arguments, in, out, err);
    if (!choice.call)
        return;
    const vermil::cli::VerbCall& call = *choice.call;
    require(choice.status == vermil::cli::ExitStatus::Done);
    require(std::find_if(table.verbs.begin(), table.verbs.end(), [&call](const auto& verb) {
                return &verb == &call.verb();
            }) != table.verbs.end());
    for (const std::string& operand : call.operands())
        require(std::find(arguments.begin(), arguments.end(), operand) != arguments.end());
    for (const NumberOption& option : numberOptions) {
        const auto number = call.wholeNumber(option.name, option.fallback, option.min, option.max);
        require(!number || (*number >= option.min && *number <= option.max));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // A command line of a few dozen arguments at most: more add nothing the runner reads.
    std::vector<std::string> arguments;
    for (std::size_t start = 0; start <= bytes.size() && arguments.size() < 64;) {
        const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
        arguments.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    for (const std::string& argument : arguments) {
        checkWholeNumber(argument);
        checkPagePoint(argument);
        checkReportFormat(argument);
    }
    checkCommandLine(vermil::cli::vermilinVerbs(), arguments);
    checkCommandLine(vermil::vrmgrVerbs(), arguments);
    checkCommandLine(vermil::trailscanVerbs(), arguments);
    return 0;
}
