#include "verb_runner.h"

#include "verb_help.h"
#include "verb_runner_texts.h"

#include "common/caption.h"

#include <algorithm>
#include <limits>
#include <ostream>

namespace vermil::cli {
namespace {

struct OperandCount {
    std::size_t min = 0;
    std::size_t max = 0;
};

// "A [B] C...": A is needed, B may be left out, C takes one or more operands.
OperandCount operandCount(std::string_view names) {
    constexpr std::size_t unbounded = std::numeric_limits<std::size_t>::max();
    OperandCount count;
    while (!names.empty()) {
        const std::size_t end = names.find(' ');
        std::string_view name = names.substr(0, end);
        names = end == std::string_view::npos ? std::string_view() : names.substr(end + 1);
        if (name.empty())
            continue;
        const bool optional = name.starts_with('[') && name.ends_with(']');
        if (optional)
            name = name.substr(1, name.size() - 2);
        if (!optional)
            ++count.min;
        if (name.ends_with("..."))
            count.max = unbounded;
        else if (count.max != unbounded)
            ++count.max;
    }
    return count;
}

bool isHelp(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}

bool isCalled(const Verb& verb, std::string_view name) {
    return verb.name == name ||
           std::find(verb.aliases.begin(), verb.aliases.end(), name) != verb.aliases.end();
}

const Verb* findVerb(const VerbTable& table, std::string_view name) {
    for (const Verb& verb : table.verbs)
        if (isCalled(verb, name))
            return &verb;
    return nullptr;
}

const Option* findOption(const VerbTable& table, std::string_view name) {
    for (const Verb& verb : table.verbs)
        for (const Option& option : verb.options)
            if (option.name == name)
                return &option;
    return nullptr;
}

bool takesOption(const Verb& verb, std::string_view name) {
    return std::any_of(verb.options.begin(), verb.options.end(),
                       [name](const Option& option) { return option.name == name; });
}

std::string verbNames(const VerbTable& table) {
    std::string names;
    for (const Verb& verb : table.verbs) {
        if (verb.name.empty())
            continue;
        if (!names.empty())
            names += ", ";
        names += verb.name;
    }
    return names;
}

bool helpAsked(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--")
            return false;
        if (isHelp(argument))
            return true;
    }
    return false;
}

// The arguments sorted into verb, option values and operands; `problem` says
// what was wrong.
struct Reading {
    const Verb* verb = nullptr;
    std::vector<std::string> operands;
    VerbCall::OptionValues values;
    std::string problem;
};

Reading readArguments(const VerbTable& table, const std::vector<std::string>& arguments) {
    Reading reading;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded) {
            reading.operands.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
        } else if (const Verb* verb = argument.empty() ? nullptr : findVerb(table, argument)) {
            if (reading.verb && reading.verb != verb) {
                reading.problem = fillPlaceholders(VerbRunnerCaptions::onlyOneVerb.english,
                                                   {verbNames(table), argument});
                return reading;
            }
            reading.verb = verb;
        } else if (const Option* option = findOption(table, argument)) {
            std::string value;
            if (!option->valueName.empty()) {
                if (i + 1 >= arguments.size()) {
                    reading.problem =
                        fillPlaceholders(VerbRunnerCaptions::optionNeedsValue.english, {argument});
                    return reading;
                }
                value = arguments[++i];
            }
            reading.values.emplace_back(option->name, std::move(value));
        } else if (argument.size() > 1 && argument[0] == '-') {
            reading.problem =
                fillPlaceholders(VerbRunnerCaptions::unknownArgument.english, {argument});
            return reading;
        } else {
            reading.operands.push_back(argument);
        }
    }
    return reading;
}

// What is wrong with the call of `verb`; empty when nothing is.
std::string checkCall(const Verb& verb, const Reading& reading) {
    for (const auto& [name, value] : reading.values)
        if (!takesOption(verb, name))
            return verb.name.empty()
                       ? fillPlaceholders(VerbRunnerCaptions::optionNeedsVerb.english, {name})
                       : fillPlaceholders(VerbRunnerCaptions::verbRefusesOption.english,
                                          {verb.name, name});
    const OperandCount count = operandCount(verb.operands);
    const std::size_t given = reading.operands.size();
    if (given < count.min || given > count.max) {
        if (!verb.name.empty())
            return fillPlaceholders(VerbRunnerCaptions::verbTakesOperands.english,
                                    {verb.name, verb.operands.empty()
                                                    ? VerbRunnerCaptions::noArguments.english
                                                    : verb.operands});
        return given > count.max
                   ? fillPlaceholders(VerbRunnerCaptions::tooManyArguments.english,
                                      {reading.operands.at(count.max)})
                   : fillPlaceholders(VerbRunnerCaptions::needsOperands.english, {verb.operands});
    }
    for (const Option& option : verb.options) {
        if (option.required &&
            std::none_of(reading.values.begin(), reading.values.end(),
                         [&option](const auto& value) { return value.first == option.name; }))
            return fillPlaceholders(
                VerbRunnerCaptions::verbNeedsOption.english,
                {verb.name, std::string(option.name) + " " + std::string(option.valueName)});
    }
    return {};
}

VerbChoice usageError(const VerbTable& table, const std::string& problem, std::ostream& err) {
    if (!problem.empty())
        err << table.program << ": " << problem << "\n\n";
    err << helpText(table);
    err.flush();
    return {std::nullopt, ExitStatus::UsageOrFileError};
}

} // namespace

VerbChoice chooseVerb(const VerbTable& table, const std::vector<std::string>& arguments,
                      std::istream& in, std::ostream& out, std::ostream& err) {
    if (helpAsked(arguments)) {
        out << helpText(table);
        out.flush();
        return {std::nullopt, ExitStatus::Done};
    }
    Reading reading = readArguments(table, arguments);
    if (!reading.problem.empty())
        return usageError(table, reading.problem, err);
    const Verb* verb = reading.verb ? reading.verb : findVerb(table, "");
    if (!verb)
        return usageError(table,
                          arguments.empty() ? std::string()
                                            : std::string(VerbRunnerCaptions::noVerbGiven.english),
                          err);
    if (const std::string problem = checkCall(*verb, reading); !problem.empty())
        return usageError(table, problem, err);
    VerbChoice choice;
    choice.call.emplace(table, *verb, std::move(reading.operands), std::move(reading.values), in,
                        out, err);
    return choice;
}

int runVerbs(const VerbTable& table, const std::vector<std::string>& arguments, std::istream& in,
             std::ostream& out, std::ostream& err) {
    const VerbChoice choice = chooseVerb(table, arguments, in, out, err);
    return exitCode(choice.call ? choice.call->run() : choice.status);
}

} // namespace vermil::cli
