#include "verb_input.h"

#include "stamp_verb_texts.h"

#include "common/cp932.h"
#include "common/password_text.h"

#include <istream>
#include <ostream>

namespace vermil::cli {

std::optional<std::string> cp932Input(const VerbCall& call, std::string_view what,
                                      std::string_view utf8) {
    auto text = toCp932(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    // Invalid UTF-8 decodes to U+FFFD, which has no CP932 form either.
    if (!text)
        call.error() << stampverbtexts::noShiftJisForm(what) << "\n";
    return text;
}

bool cp932Option(const VerbCall& call, std::string_view option, std::optional<std::string>& value) {
    value.reset();
    const std::optional<std::string> given = call.value(option);
    if (!given)
        return true;
    value = cp932Input(call, option, *given);
    return value.has_value();
}

std::optional<std::string> inputLine(std::istream& in) {
    std::string line;
    char c = 0;
    while (in.get(c) && c != '\n') {
        // Room for the longest line and its CR; a byte more is a line too long.
        if (line.size() > maxInputLineBytes)
            return std::nullopt;
        line += c;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > maxInputLineBytes)
        return std::nullopt;
    return line;
}

std::optional<std::string> passwordInput(const VerbCall& call, std::string_view utf8) {
    const QString typed =
        passwordAsTyped(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    return cp932Input(call, stampverbtexts::thePassword, typed.toUtf8().toStdString());
}

std::optional<std::string> passwordLine(const VerbCall& call) {
    const std::optional<std::string> line = inputLine(call.in());
    if (!line) {
        call.error() << stampverbtexts::inputLineTooLong(maxInputLineBytes) << "\n";
        return std::nullopt;
    }
    return passwordInput(call, *line);
}

} // namespace vermil::cli
