#include "verb_help.h"

#include "verb_runner_texts.h"

#include "common/caption.h"

#include <algorithm>
#include <vector>

namespace vermil::cli {
namespace {

constexpr std::string_view summaryIndent = "      ";

void appendIndented(std::string& text, std::string_view summary) {
    while (!summary.empty()) {
        const std::size_t end = summary.find('\n');
        text.append(summaryIndent).append(summary.substr(0, end)).append("\n");
        summary = end == std::string_view::npos ? std::string_view() : summary.substr(end + 1);
    }
}

std::string optionSynopsis(const Option& option) {
    std::string text(option.name);
    if (!option.valueName.empty())
        text.append(" ").append(option.valueName);
    return option.required ? text : "[" + text + "]";
}

void appendUsageLines(std::string& text, const VerbTable& table) {
    const std::string_view usageLead = VerbRunnerCaptions::usageLead.english;
    const std::string indent(usageLead.size(), ' ');
    std::string_view lead = usageLead;
    for (const Verb& verb : table.verbs) {
        if (verb.name.empty()) {
            text.append(lead).append(table.program);
            if (!verb.operands.empty())
                text.append(" ").append(verb.operands);
            text.append("\n");
            lead = indent;
        }
    }
    // The verb and its arguments are named as value names are: syntax, not a text.
    text.append(lead).append(table.program).append(" VERB [ARGUMENTS]\n");
}

void appendVerbs(std::string& text, const VerbTable& table) {
    text.append("\n").append(VerbRunnerCaptions::verbsHeading.english).append("\n");
    for (const Verb& verb : table.verbs) {
        // The row without a verb shows how the program is started for its window.
        const std::string synopsis = verbSynopsis(verb);
        text.append("  ");
        if (verb.name.empty())
            text.append(table.program).append(synopsis.empty() ? "" : " ");
        text.append(synopsis).append("\n");
        for (const std::string_view alias : verb.aliases)
            appendIndented(text, fillPlaceholders(VerbRunnerCaptions::alias.english, {alias}));
        appendIndented(text, verb.summary);
    }
    text.append("  --help, -h\n");
    appendIndented(text, VerbRunnerCaptions::helpSummary.english);
}

// Options with a summary of their own, each once, in the order of the table.
void appendOptions(std::string& text, const VerbTable& table) {
    std::vector<std::string_view> listed;
    for (const Verb& verb : table.verbs) {
        for (const Option& option : verb.options) {
            if (option.summary.empty() ||
                std::find(listed.begin(), listed.end(), option.name) != listed.end())
                continue;
            if (listed.empty())
                text.append("\n").append(VerbRunnerCaptions::optionsHeading.english).append("\n");
            listed.push_back(option.name);
            std::string synopsis(option.name);
            if (!option.valueName.empty())
                synopsis.append(" ").append(option.valueName);
            text.append("  ").append(synopsis).append("\n");
            appendIndented(text, option.summary);
        }
    }
}

void appendParagraph(std::string& text, std::string_view paragraph) {
    if (paragraph.empty())
        return;
    text.append("\n").append(paragraph);
    if (paragraph.back() != '\n')
        text.append("\n");
}

} // namespace

std::string verbSynopsis(const Verb& verb) {
    std::string text(verb.name);
    const auto add = [&text](std::string_view part) {
        if (!text.empty())
            text.append(" ");
        text.append(part);
    };
    if (!verb.operands.empty())
        add(verb.operands);
    for (const Option& option : verb.options)
        add(optionSynopsis(option));
    return text;
}

std::string helpText(const VerbTable& table) {
    std::string text;
    appendUsageLines(text, table);
    appendParagraph(text, table.about);
    appendVerbs(text, table);
    appendOptions(text, table);
    appendParagraph(text, table.exitStatus);
    return text;
}

} // namespace vermil::cli
