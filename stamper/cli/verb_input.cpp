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

std::string inputLine(std::istream& in) {
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

std::optional<std::string> passwordInput(const VerbCall& call, std::string_view utf8) {
    const QString typed =
        passwordAsTyped(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    return cp932Input(call, stampverbtexts::thePassword, typed.toUtf8().toStdString());
}

} // namespace vermil::cli
