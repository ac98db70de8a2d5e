// Reads arbitrary bytes as standard input for --password-stdin and the password
// change (three lines). A line is the bytes up to its line end and nothing else;
// a password is taken in capitals and in CP932 or refused with a message, and a
// password taken this way is the one the CSV import takes from the same text.
#include "common/cli/verb_call.h"
#include "common/cp932.h"
#include "common/password_text.h"
#include "stamper/cli/command_line.h"
#include "stamper/cli/verb_input.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

namespace {

void require(bool property) {
    if (!property)
        __builtin_trap();
}

void checkPassword(const vermil::cli::VerbCall& call, std::ostringstream& err,
                   std::string_view line) {
    err.str({});
    const std::optional<std::string> password = vermil::cli::passwordInput(call, line);
    if (!password) {
        require(!err.str().empty());
        return;
    }
    require(err.str().empty());
    // Capitals throughout: a second byte may still be one of "a" to "z".
    require(vermil::passwordAsTyped(*password) == *password);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in{std::string(bytes)};
    std::ostringstream out, err;
    const vermil::cli::VerbTable& table = vermil::cli::vermilinVerbs();
    const vermil::cli::VerbCall call(table, table.verbs.front(), {}, {}, in, out, err);

    // Old, new, new again, as the password change reads them; then what is left.
    std::size_t consumed = 0;
    for (int i = 0; i < 4; ++i) {
        const std::string_view rest = bytes.substr(consumed);
        const std::optional<std::string> read = vermil::cli::inputLine(in);
        if (!read) {
            // Refused only when the line, without its line end, is longer than the limit.
            const std::string_view line = rest.substr(0, rest.find('\n'));
            require(line.size() > vermil::cli::maxInputLineBytes &&
                    !(line.size() == vermil::cli::maxInputLineBytes + 1 && line.ends_with('\r')));
            break;
        }
        const std::string& line = *read;
        require(line.find('\n') == std::string::npos &&
                line.size() <= vermil::cli::maxInputLineBytes);
        // The line is the input's next bytes, followed by its line end or the input's end.
        require(rest.starts_with(line));
        const std::string_view end = rest.substr(line.size());
        std::size_t lineEnd = 0;
        if (end.starts_with("\r\n"))
            lineEnd = 2;
        else if (end.starts_with('\n') || end == "\r")
            lineEnd = 1;
        else
            require(end.empty());
        consumed += line.size() + lineEnd;
        checkPassword(call, err, line);
    }
    return 0;
}
