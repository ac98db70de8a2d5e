#include "verb_call.h"

#include "verb_runner_texts.h"
#include "whole_number.h"

#include "common/caption.h"

#include <ostream>
#include <string>

namespace vermil::cli {

VerbCall::VerbCall(const VerbTable& table, const Verb& verb, std::vector<std::string> operands,
                   OptionValues values, std::istream& in, std::ostream& out, std::ostream& err)
    : table_(&table), verb_(&verb), operands_(std::move(operands)), values_(std::move(values)),
      in_(&in), out_(&out), err_(&err) {}

std::optional<std::string> VerbCall::value(std::string_view option) const {
    for (auto it = values_.rbegin(); it != values_.rend(); ++it)
        if (it->first == option)
            return it->second;
    return std::nullopt;
}

std::optional<int> VerbCall::wholeNumber(std::string_view option, int fallback, int min,
                                         int max) const {
    const auto text = value(option);
    if (!text)
        return fallback;
    const std::optional<int> number = wholeNumberIn(*text, min, max);
    if (!number)
        error() << fillPlaceholders(VerbRunnerCaptions::notAWholeNumber.english,
                                    {option, std::to_string(min), std::to_string(max), *text})
                << "\n";
    return number;
}

std::ostream& VerbCall::error() const {
    return *err_ << table_->program << ": ";
}

ExitStatus VerbCall::run() const {
    if (!verb_->run) {
        error() << VerbRunnerCaptions::needsWindow.english << "\n";
        return ExitStatus::UsageOrFileError;
    }
    return verb_->run(*this);
}

} // namespace vermil::cli
